# The main window, driven through QTest on the offscreen platform.
foreach(suite layout settings source split lifecycle)
    quarnix_add_test(mainwindow_${suite}
        SOURCES main/${suite}test.cpp main/mainwindowfixture.h
        LIBS quarnix_ui quarnix_test_support)
endforeach()
