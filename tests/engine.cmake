# The split engine's suites. The split job suites share a headless main window, the
# expected words and real test files: engine/splitjobfixture.h.

set(QUARNIX_ENGINE_TEST_LIBS quarnix_engine quarnix_test_support)

# The batch file's bytes, the names it can carry and its code page.
quarnix_add_test(engine_batchfile SOURCES engine/tst_batchfile.cpp LIBS ${QUARNIX_ENGINE_TEST_LIBS})

# The split job end to end: refusals, failures and what they leave, the floppy flow,
# removable media, full disks and a sparse source past 2 GiB.
quarnix_add_test(engine_splitjob SOURCES engine/tst_splitjob.cpp engine/splitjobfixture.h
    LIBS ${QUARNIX_ENGINE_TEST_LIBS} TIMEOUT 600)

# The batch files run by a real command interpreter (wine), in two code pages. The
# wine prefix lives in the build folder, so only the first run pays for creating it.
# Labelled slow: the sanitizer pass of CI leaves it out.
quarnix_add_test(engine_batchwine SOURCES engine/tst_batchwine.cpp engine/splitjobfixture.h
    LIBS ${QUARNIX_ENGINE_TEST_LIBS} TIMEOUT 900)
target_compile_definitions(engine_batchwine PRIVATE QUARNIX_WINEPREFIX="${CMAKE_BINARY_DIR}/wineprefix")
set_tests_properties(engine_batchwine PROPERTIES LABELS slow)

# The split job on disks made of images on loop devices: floppies changed at the
# prompts, and a source on whole-second timestamps. Needs root, as in CI.
quarnix_add_test(engine_loopdisks SOURCES engine/tst_loopdisks.cpp engine/splitjobfixture.h
    LIBS ${QUARNIX_ENGINE_TEST_LIBS})
