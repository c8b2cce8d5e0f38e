# How the four windows behave as desktop windows: keys, what assistive technology
# reads, captions in a substitute font, and, on a real X server, which window owns
# which. They share the fixture in windows/fourwindows.h.

set(QUARNIX_WINDOW_TEST_LIBS quarnix_ui quarnix_test_support)

# Owned windows as a window manager sees them: through the xcb platform on an X
# server of the suite's own, read back with xprop.
quarnix_add_test(window_owners_x11 SOURCES windows/ownerstest.cpp windows/fourwindows.h
    LIBS ${QUARNIX_WINDOW_TEST_LIBS} PLATFORM xcb RUN_WITH ${CMAKE_CURRENT_SOURCE_DIR}/windows/on-own-x-server.sh)

# Access keys, Enter, Escape and Tab in each window, pressed through the window
# system into the active window.
quarnix_add_test(window_keys SOURCES windows/keystest.cpp windows/fourwindows.h LIBS ${QUARNIX_WINDOW_TEST_LIBS})

# Every caption fits with the layouts' own faces hidden from fontconfig.
quarnix_add_test(window_fallback_font SOURCES windows/fallbackfonttest.cpp windows/fourwindows.h
    LIBS ${QUARNIX_WINDOW_TEST_LIBS})

# What a screen reader reads: every accessible item named, or a separator.
quarnix_add_test(window_accessible SOURCES windows/accessibletest.cpp windows/fourwindows.h
    LIBS ${QUARNIX_WINDOW_TEST_LIBS})
