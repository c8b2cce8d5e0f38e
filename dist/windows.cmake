# What Windows needs beside quarnix.exe: every DLL it loads (Qt, the MinGW-w64
# runtime) and the plugins Qt loads for it (the windows platform, the Vista style),
# installed next to it; and the installer that carries them, made by `cpack -G NSIS`
# in the build folder (tools/windows/build.sh does it).

# The plugins go where Qt looks beside the program: platforms/ and styles/.
install(IMPORTED_RUNTIME_ARTIFACTS Qt6::QWindowsIntegrationPlugin LIBRARY DESTINATION ${CMAKE_INSTALL_BINDIR}/platforms)
install(IMPORTED_RUNTIME_ARTIFACTS Qt6::QWindowsVistaStylePlugin LIBRARY DESTINATION ${CMAKE_INSTALL_BINDIR}/styles)

# The DLLs are read off the import tables of the program and the plugins, so that
# what is installed is exactly what they load.
install(CODE "
    include(${CMAKE_CURRENT_SOURCE_DIR}/windows-runtime.cmake)
    set(bin \"\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR}\")
    quarnix_install_runtime(\"\${bin}\" \"${CMAKE_OBJDUMP}\" \"${CMAKE_STRIP}\" \"${QUARNIX_DLL_FOLDERS}\"
        \"\${bin}/quarnix.exe\"
        \"\${bin}/platforms/$<TARGET_FILE_NAME:Qt6::QWindowsIntegrationPlugin>\"
        \"\${bin}/styles/$<TARGET_FILE_NAME:Qt6::QWindowsVistaStylePlugin>\")")

# The installer: 64-bit, into Program Files\\Quarnix, with a Start-menu entry and an
# uninstaller that removes what it installed.
set(CPACK_GENERATOR NSIS)
set(CPACK_PACKAGE_NAME Quarnix)
set(CPACK_PACKAGE_VENDOR "The Quarnix developers")
set(CPACK_PACKAGE_FILE_NAME quarnix-${PROJECT_VERSION}-win64)
set(CPACK_PACKAGE_INSTALL_DIRECTORY Quarnix)
set(CPACK_PACKAGE_INSTALL_REGISTRY_KEY Quarnix)
set(CPACK_PACKAGE_EXECUTABLES quarnix Quarnix)
set(CPACK_NSIS_INSTALL_ROOT "$PROGRAMFILES64")
set(CPACK_NSIS_DISPLAY_NAME Quarnix)
set(CPACK_NSIS_PACKAGE_NAME Quarnix)
set(CPACK_NSIS_URL_INFO_ABOUT ${PROJECT_HOMEPAGE_URL})
set(CPACK_NSIS_CONTACT quarnix@example.org)
set(CPACK_NSIS_EXECUTABLES_DIRECTORY ${CMAKE_INSTALL_BINDIR})
set(CPACK_NSIS_INSTALLED_ICON_NAME quarnix.exe)
set(CPACK_NSIS_MUI_ICON ${PROJECT_SOURCE_DIR}/src/ui/layout/images/quarnix.ico)
set(CPACK_NSIS_MUI_UNIICON ${CPACK_NSIS_MUI_ICON})
# Debian's NSIS makes a 32-bit installer unless told otherwise.
set(CPACK_NSIS_DEFINES "Target amd64-unicode")
set(CPACK_STRIP_FILES ON)
include(CPack)
