# The four windows, driven through the window system as a user drives them, on
# fake services: the main window, the secondary windows with the picker's drive
# list, and what all four do alike (keys, fonts, assistive technology, owners).
# Every suite starts from the fixture in fourwindowsfixture.h.

set(QUARNIX_UI_TEST_LIBS quarnix_ui quarnix_test_gui)

quarnix_add_test(ui_mainwindow SOURCES ui/tst_mainwindow.cpp ui/fourwindowsfixture.h LIBS ${QUARNIX_UI_TEST_LIBS})

# The system's own services the windows use, for real: the message box answered with
# keys and the title bar, the file dialog's title, addresses handed to the desktop.
quarnix_add_test(ui_systemservices SOURCES ui/tst_systemservices.cpp LIBS quarnix_platform_gui)

# The rest run on Linux only. Qt for Windows has no offscreen platform, and its
# minimal one neither activates windows nor routes keys as a desktop does, which the
# window and key suites are about; fontconfig, the AT-SPI bus and X11's window
# manager hints, which the others read the windows through, are not on Windows. The
# Windows build's windows are driven for real under wine (windows/).
if(WIN32)
    return()
endif()

# The folder picker, Help and About, GotoWeb and F1, opened from the real main
# window, and where each window appears; the picker's drive list while volumes
# come and go, over a scripted mount table.
quarnix_add_test(ui_secondarywindows SOURCES ui/tst_secondarywindows.cpp ui/fourwindowsfixture.h
    LIBS ${QUARNIX_UI_TEST_LIBS})

# Access keys, Enter, Escape and Tab in each window, pressed into the active window.
quarnix_add_test(ui_keys SOURCES ui/tst_keys.cpp ui/fourwindowsfixture.h LIBS ${QUARNIX_UI_TEST_LIBS})

# Every caption fits with the layouts' own faces hidden from fontconfig.
quarnix_add_test(ui_fallbackfont SOURCES ui/tst_fallbackfont.cpp ui/fourwindowsfixture.h
    LIBS ${QUARNIX_UI_TEST_LIBS})

# What a screen reader reads, walked through Qt and once read back from a real
# AT-SPI registry by another process; whether the greyed labels can be read; and the
# owned windows as a window manager sees them, read back from the X server with xprop.
quarnix_add_test(ui_accessible SOURCES ui/tst_accessible.cpp ui/fourwindowsfixture.h LIBS ${QUARNIX_UI_TEST_LIBS}
    PLATFORM xcb RUN_WITH ${CMAKE_CURRENT_SOURCE_DIR}/ui/on-accessibility-bus.sh)
target_compile_definitions(ui_accessible PRIVATE QUARNIX_ATSPI_READER="${CMAKE_CURRENT_SOURCE_DIR}/ui/read-atspi.py")

# What each window looks like, at scale factors 1 and 2, against reference pictures
# (tools/render-references.sh draws them again): in the Liberation fonts only, the
# folders the picker shows in a /mnt of the suite's own.
quarnix_add_test(ui_pictures SOURCES ui/tst_pictures.cpp ui/fourwindowsfixture.h LIBS ${QUARNIX_UI_TEST_LIBS}
    RUN_WITH ${CMAKE_CURRENT_SOURCE_DIR}/ui/in-fixed-folder.sh)
target_compile_definitions(ui_pictures PRIVATE QUARNIX_PICTURES="${CMAKE_CURRENT_SOURCE_DIR}/ui/pictures")
add_test(NAME ui_pictures_2x COMMAND ${CMAKE_CURRENT_SOURCE_DIR}/ui/in-fixed-folder.sh $<TARGET_FILE:ui_pictures>)
get_test_property(ui_pictures ENVIRONMENT environment)
set(fonts FONTCONFIG_FILE=${CMAKE_CURRENT_SOURCE_DIR}/ui/pictures/fonts.conf)
set_tests_properties(ui_pictures PROPERTIES ENVIRONMENT "${environment};${fonts};QT_SCALE_FACTOR=1")
set_tests_properties(ui_pictures_2x PROPERTIES ENVIRONMENT "${environment};${fonts};QT_SCALE_FACTOR=2" TIMEOUT 300)
