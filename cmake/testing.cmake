# qzr_add_test(<name> [OWN_MAIN] SOURCES ... [LIBS ...] [ARGS ...])
# One GoogleTest program is one CTest entry; its per-case results go to
# <build>/test-results/<name>.xml, which scripts/run-tests sums over every tree.
# In the Windows trees CTest runs the program through Wine (CMAKE_CROSSCOMPILING_EMULATOR).
set(QZR_TEST_RESULTS "${CMAKE_BINARY_DIR}/test-results")
# A Windows program under Wine reads "/build/..." as a folder of its current drive; the build tree
# is reached through Wine's Z: drive instead.
if(CMAKE_CROSSCOMPILING AND WIN32)
    set(QZR_TEST_RESULTS_ARG "Z:${QZR_TEST_RESULTS}")
else()
    set(QZR_TEST_RESULTS_ARG "${QZR_TEST_RESULTS}")
endif()

function(qzr_add_test name)
    cmake_parse_arguments(T "OWN_MAIN" "" "SOURCES;LIBS;ARGS" ${ARGN})
    add_executable(${name} ${T_SOURCES})
    target_link_libraries(${name} PRIVATE ${T_LIBS} GTest::gtest GTest::gmock)
    if(NOT T_OWN_MAIN)
        target_link_libraries(${name} PRIVATE GTest::gtest_main)
    endif()
    add_test(NAME ${name}
             COMMAND ${name} --gtest_output=xml:${QZR_TEST_RESULTS_ARG}/${name}.xml ${T_ARGS})
    set_tests_properties(${name} PROPERTIES TIMEOUT 600)
endfunction()
