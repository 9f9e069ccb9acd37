# Install rules of the window program: the executable, its desktop entry
# and its icon, so the program shows in the desktop's menu.
# Included from app/CMakeLists.txt after the kakeibo target exists.
include(GNUInstallDirs)
install(TARGETS kakeibo RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${CMAKE_SOURCE_DIR}/resources/kakeibo.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${CMAKE_SOURCE_DIR}/resources/kakeibo.png
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/64x64/apps)
