# The folder picker, the help and About windows, GotoWeb and F1, driven through
# QTest on the offscreen platform.

add_library(quarnix_secondary_testing STATIC secondary/secondarytesting.h secondary/secondarytesting.cpp)
target_link_libraries(quarnix_secondary_testing PUBLIC quarnix_ui quarnix_test_support)

quarnix_add_test(secondary_folder_tests
    SOURCES secondary/foldertest.cpp
    LIBS quarnix_secondary_testing quarnix_ui quarnix_test_support)

quarnix_add_test(secondary_info_tests
    SOURCES secondary/infotest.cpp
    LIBS quarnix_secondary_testing quarnix_ui quarnix_test_support)

quarnix_add_test(secondary_windows_tests
    SOURCES secondary/secondarywindowstest.cpp
    LIBS quarnix_secondary_testing quarnix_ui quarnix_test_support)

quarnix_add_test(secondary_main_tests
    SOURCES secondary/mainintegrationtest.cpp
    LIBS quarnix_ui quarnix_test_support)
