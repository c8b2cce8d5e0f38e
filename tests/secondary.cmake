# The folder picker, the help and About windows, GotoWeb and F1, opened from the
# real main window and driven through QTest on the offscreen platform.

quarnix_add_test(secondary_tests
    SOURCES secondary/secondarytest.cpp secondary/secondarytesting.h
    LIBS quarnix_ui quarnix_test_support)

# The picker's drive list while volumes come and go, over a scripted mount table.
quarnix_add_test(folder_drives
    SOURCES secondary/drivelisttest.cpp secondary/secondarytesting.h
    LIBS quarnix_ui quarnix_test_support)
