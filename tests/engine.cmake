# The split engine's suites.

# What every engine suite shares: a headless main window and real test files.
add_library(quarnix_engine_testkit STATIC
    engine/fakesplitwindow.h engine/fakesplitwindow.cpp
    engine/testfiles.h engine/testfiles.cpp
)
target_include_directories(quarnix_engine_testkit PUBLIC ${CMAKE_CURRENT_SOURCE_DIR}/engine)
target_link_libraries(quarnix_engine_testkit PUBLIC quarnix_engine quarnix_test_support)

set(QUARNIX_ENGINE_TEST_LIBS quarnix_engine quarnix_test_support quarnix_engine_testkit)

quarnix_add_test(engine_chunkplan SOURCES engine/tst_chunkplan.cpp LIBS ${QUARNIX_ENGINE_TEST_LIBS})
quarnix_add_test(engine_pathrules SOURCES engine/tst_pathrules.cpp LIBS ${QUARNIX_ENGINE_TEST_LIBS})
quarnix_add_test(engine_batchfile SOURCES engine/tst_batchfile.cpp LIBS ${QUARNIX_ENGINE_TEST_LIBS})
quarnix_add_test(engine_splitjob SOURCES engine/tst_splitjob.cpp LIBS ${QUARNIX_ENGINE_TEST_LIBS})
quarnix_add_test(engine_floppy SOURCES engine/tst_floppy.cpp LIBS ${QUARNIX_ENGINE_TEST_LIBS})

# A full disk, for real: a small tmpfs when the suite may mount one, and always a
# child process with a file-size limit. The child runs the job through this helper.
add_executable(engine_split_child engine/splitchild.cpp)
target_link_libraries(engine_split_child PRIVATE ${QUARNIX_ENGINE_TEST_LIBS})
quarnix_add_test(engine_diskfull SOURCES engine/tst_diskfull.cpp LIBS ${QUARNIX_ENGINE_TEST_LIBS})
add_dependencies(engine_diskfull engine_split_child)
target_compile_definitions(engine_diskfull PRIVATE
    QUARNIX_SPLIT_CHILD="$<TARGET_FILE:engine_split_child>")

# Sources of 2 GiB and more, sparse so they cost no disk.
quarnix_add_test(engine_largesource SOURCES engine/tst_largesource.cpp LIBS ${QUARNIX_ENGINE_TEST_LIBS}
    TIMEOUT 600)

# The batch files run by a real command interpreter (wine). The wine prefix lives
# in the build folder, so only the first run pays for creating it.
quarnix_add_test(engine_batchwine SOURCES engine/tst_batchwine.cpp LIBS ${QUARNIX_ENGINE_TEST_LIBS}
    TIMEOUT 900)
target_compile_definitions(engine_batchwine PRIVATE
    QUARNIX_WINEPREFIX="${CMAKE_BINARY_DIR}/wineprefix")
