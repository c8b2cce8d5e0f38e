# What a Linux desktop needs besides the program: the menu entry, the icon in the
# theme's sizes and as SVG, the software centre's metadata, the manual page and
# the package's own documents; and the Debian package that carries them all,
# built by `cmake --build BUILD --target package` after a build.

set(images ${PROJECT_SOURCE_DIR}/src/ui/layout/images)
install(FILES quarnix.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
foreach(size 16 32 48)
    install(FILES ${images}/quarnix-${size}.png
            DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps
            RENAME quarnix.png)
endforeach()
install(FILES ${images}/quarnix.svg DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
install(FILES org.example.quarnix.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)

# The manual page and the changelog are installed compressed, as Debian keeps
# them; -n leaves the file's name and time out, so the same sources always give
# the same bytes.
find_program(QUARNIX_GZIP gzip REQUIRED)
configure_file(quarnix.1.in quarnix.1 @ONLY)
configure_file(changelog changelog COPYONLY)
add_custom_command(OUTPUT quarnix.1.gz changelog.gz
    COMMAND ${QUARNIX_GZIP} -9nkf quarnix.1 changelog
    DEPENDS ${CMAKE_CURRENT_BINARY_DIR}/quarnix.1 ${CMAKE_CURRENT_BINARY_DIR}/changelog
    WORKING_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR}
    VERBATIM)
add_custom_target(quarnix-compressed-docs ALL
    DEPENDS ${CMAKE_CURRENT_BINARY_DIR}/quarnix.1.gz ${CMAKE_CURRENT_BINARY_DIR}/changelog.gz)
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/quarnix.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/changelog.gz copyright DESTINATION ${CMAKE_INSTALL_DOCDIR})

# A stripped install (the package's) also drops the compiler's .comment and .note
# sections from the program, which strip alone leaves in, as Debian's own packages
# do. This runs after src/app has installed and stripped the program.
install(CODE "
    if(CMAKE_INSTALL_DO_STRIP)
        execute_process(COMMAND \"${CMAKE_OBJCOPY}\" --remove-section=.comment --remove-section=.note
            \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR}/quarnix\"
            COMMAND_ERROR_IS_FATAL ANY)
    endif()")

# The package. Its dependencies are the shared libraries the program links
# (found by dpkg-shlibdeps) and the font whose metrics the windows are laid out for.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME quarnix)
set(CPACK_PACKAGE_VENDOR "The Quarnix developers")
set(CPACK_PACKAGE_CONTACT "The Quarnix developers <quarnix@example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "cut a file into numbered pieces that a batch file joins again")
set(CPACK_PACKAGE_DESCRIPTION_FILE ${CMAKE_CURRENT_SOURCE_DIR}/package-description.txt)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE ${PROJECT_HOMEPAGE_URL})
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS fonts-liberation2)
include(CPack)
