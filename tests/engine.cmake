# The split engine's suites. What they share (a headless main window, real test
# files, the expected words) is the header engine/enginetest.h.

set(QUARNIX_ENGINE_TEST_LIBS quarnix_engine quarnix_test_support)

# Path rules, batch file bytes, and the split job end to end: the floppy flow, full
# disks and a sparse source past 2 GiB included.
quarnix_add_test(engine_splitjob SOURCES engine/tst_splitjob.cpp engine/enginetest.h
    LIBS ${QUARNIX_ENGINE_TEST_LIBS} TIMEOUT 600)

# The batch files run by a real command interpreter (wine). The wine prefix lives in
# the build folder, so only the first run pays for creating it. Labelled slow: the
# sanitizer pass of CI leaves it out.
quarnix_add_test(engine_batchwine SOURCES engine/tst_batchwine.cpp LIBS ${QUARNIX_ENGINE_TEST_LIBS}
    TIMEOUT 900)
target_compile_definitions(engine_batchwine PRIVATE QUARNIX_WINEPREFIX="${CMAKE_BINARY_DIR}/wineprefix")
set_tests_properties(engine_batchwine PROPERTIES LABELS slow)
