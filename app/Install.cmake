# Install rules of the two programs. Everything else the package holds
# (desktop entry, icons, AppStream data, help file, manual pages,
# completion, copyright) has its rules beside its sources.
# Included from app/CMakeLists.txt after the kakeibo target exists.
include(GNUInstallDirs)
install(TARGETS kakeibo kakeibo-cli RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
# The graph module, private to the program, read but not run.
install(TARGETS kakeibo-charts LIBRARY DESTINATION ${KAKEIBO_MODULE_DIR}
        PERMISSIONS OWNER_READ OWNER_WRITE GROUP_READ WORLD_READ)
