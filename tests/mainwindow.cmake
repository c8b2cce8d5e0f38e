# The main window, driven through QTest on the offscreen platform.
quarnix_add_test(mainwindow
    SOURCES main/mainwindowtest.cpp main/mainwindowfixture.h
    LIBS quarnix_ui quarnix_test_support)
