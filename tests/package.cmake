# What a Linux desktop installs: the scalable icon against the PNG it stands for,
# the images against the drawing script, and the Debian package checked by
# Debian's own tools.
if(UNIX AND NOT APPLE)
    quarnix_add_test(package_icon SOURCES package/tst_icon.cpp LIBS Qt6::Gui)
    target_compile_definitions(package_icon PRIVATE QUARNIX_IMAGES="${PROJECT_SOURCE_DIR}/src/ui/layout/images")

    add_test(NAME package_images
        COMMAND ${CMAKE_CURRENT_SOURCE_DIR}/package/check-images.py ${PROJECT_SOURCE_DIR})

    # Builds the package with cpack from this build folder. Labelled slow: the
    # sanitizer pass of CI, whose program is no release build, leaves it out.
    add_test(NAME package_deb
        COMMAND ${CMAKE_CURRENT_SOURCE_DIR}/package/check-deb.sh ${CMAKE_BINARY_DIR} ${PROJECT_VERSION}
            ${CMAKE_CPACK_COMMAND})
    set_tests_properties(package_deb PROPERTIES LABELS slow TIMEOUT 600)
endif()
