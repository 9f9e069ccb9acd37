# Install rules of the two programs. Everything else the package holds
# (desktop entry, icons, AppStream data, help file, manual pages,
# completion, copyright) has its rules beside its sources.
# Included from app/CMakeLists.txt after the kakeibo target exists.
include(GNUInstallDirs)
install(TARGETS kakeibo kakeibo-cli RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
