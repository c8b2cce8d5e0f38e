# The Windows build's suites run under wine, in a prefix of the build folder's own
# that the wine_prefix fixture makes before the first of them: Qt's DLLs and the
# MinGW-w64 runtime on the DLL search path, no Mono or Gecko prompts, Qt's messages
# on standard error, and the minimal platform with the system's fonts (Qt for
# Windows has no offscreen platform without FreeType) unless a suite asks for another.

set(dll_folders)
foreach(folder IN LISTS QUARNIX_DLL_FOLDERS)
    list(APPEND dll_folders "Z:${folder}")
endforeach()
string(REPLACE ";" "\\;" dll_folders "${dll_folders}")
set(QUARNIX_WINEPREFIX ${CMAKE_BINARY_DIR}/wineprefix)
set(QUARNIX_WINE_ENVIRONMENT
    "WINEPREFIX=${QUARNIX_WINEPREFIX};WINEPATH=${dll_folders};WINEDEBUG=-all;WINEDLLOVERRIDES=mscoree,mshtml=")

add_test(NAME wine_prefix COMMAND ${CMAKE_CURRENT_SOURCE_DIR}/windows/prepare-wine.sh ${QUARNIX_WINEPREFIX})
set_tests_properties(wine_prefix PROPERTIES FIXTURES_SETUP wine_prefix TIMEOUT 300
    ENVIRONMENT "${QUARNIX_WINE_ENVIRONMENT}")
# Repeated runs (ctest --repeat) find the server already gone.
add_test(NAME wine_server_stop COMMAND sh -c "wineserver --kill; exit 0")
set_tests_properties(wine_server_stop PROPERTIES FIXTURES_CLEANUP wine_prefix
    ENVIRONMENT "${QUARNIX_WINE_ENVIRONMENT}")

# The installer, made by cpack and then installed, started and removed under wine in a
# prefix of its own. Labelled slow, like the Debian package's check.
add_test(NAME windows_installer COMMAND ${CMAKE_CURRENT_SOURCE_DIR}/windows/check-installer.sh
    ${CMAKE_BINARY_DIR} ${PROJECT_VERSION} ${CMAKE_CPACK_COMMAND})
set_tests_properties(windows_installer PROPERTIES LABELS slow TIMEOUT 600)

# The disk-by-disk flow on drive A:, a floppy drive of the prefix's whose disks are
# small tmpfs mounts changed at each prompt. Mounting needs root, as in CI.
add_test(NAME windows_floppy COMMAND ${CMAKE_CURRENT_SOURCE_DIR}/windows/floppy-drive.sh ${CMAKE_BINARY_DIR})
set_tests_properties(windows_floppy PROPERTIES FIXTURES_REQUIRED wine_prefix TIMEOUT 300
    ENVIRONMENT "${QUARNIX_WINE_ENVIRONMENT}" SKIP_REGULAR_EXPRESSION "^SKIP: ")
