# The split engine's suites. The split job suites share a headless main window, the
# expected words and real test files: engine/splitjobfixture.h.

set(QUARNIX_ENGINE_TEST_LIBS quarnix_engine quarnix_test_core)

# The batch file's bytes, the names it can carry and its code page.
quarnix_add_test(engine_batchfile SOURCES engine/tst_batchfile.cpp LIBS ${QUARNIX_ENGINE_TEST_LIBS})

# The split job end to end: refusals, failures and what they leave, the floppy flow,
# removable media, full disks and a sparse source past 2 GiB.
quarnix_add_test(engine_splitjob SOURCES engine/tst_splitjob.cpp engine/splitjobfixture.h
    LIBS ${QUARNIX_ENGINE_TEST_LIBS} TIMEOUT 600)

# The batch files run by a real command interpreter: wine's on Linux, in two code
# pages, with a wine prefix in the build folder, so only the first run pays for
# creating it; the system's own on Windows, where a process keeps the code page it
# started in, so the suite runs once for each of three. Labelled slow: the
# sanitizer pass of CI leaves it out.
quarnix_add_test(engine_batchcmd SOURCES engine/tst_batchcmd.cpp engine/splitjobfixture.h
    LIBS ${QUARNIX_ENGINE_TEST_LIBS} TIMEOUT 900)
set_tests_properties(engine_batchcmd PROPERTIES LABELS slow)
# engine_batchcmd itself reads in 437 there. Wine keeps the user's locale in the
# prefix's registry, where a process started in another locale changes it for the
# processes starting beside it: the runs in 850 and 866 run alone.
if(WIN32)
    foreach(reader engine_batchcmd:en_US:437 engine_batchcmd_850:de_DE:850 engine_batchcmd_866:ru_RU:866)
        string(REPLACE ":" ";" reader ${reader})
        list(GET reader 0 name)
        list(GET reader 1 locale)
        list(GET reader 2 code_page)
        if(NOT TEST ${name})
            add_test(NAME ${name} COMMAND engine_batchcmd)
        endif()
        set_tests_properties(${name} PROPERTIES LABELS slow TIMEOUT 900 FIXTURES_REQUIRED wine_prefix
            ENVIRONMENT "LC_ALL=${locale}.UTF-8;QUARNIX_CODE_PAGE=${code_page};${QUARNIX_WINE_ENVIRONMENT}")
        if(NOT code_page EQUAL 437)
            set_tests_properties(${name} PROPERTIES RUN_SERIAL ON)
        endif()
    endforeach()
else()
    target_compile_definitions(engine_batchcmd PRIVATE QUARNIX_WINEPREFIX="${CMAKE_BINARY_DIR}/wineprefix")
endif()

# The split job on floppy disks made of images on loop devices, changed at the
# prompts. Needs root, as in CI; Linux's
# loop devices and mounts are what it is about.
if(CMAKE_SYSTEM_NAME STREQUAL "Linux")
    quarnix_add_test(engine_loopdisks SOURCES engine/tst_loopdisks.cpp engine/splitjobfixture.h
        LIBS ${QUARNIX_ENGINE_TEST_LIBS})
endif()
