# Run by ctest for orvalet_e2e_suites: lists the test suites of an end-to-end program and
# writes the tests that run each one on a desktop of its own into E2E_OUTPUT. The program
# lists its tests on Qt's offscreen platform, which needs no display; ctest's own environment,
# which the tests inherit, is left as it is.
execute_process(COMMAND env QT_QPA_PLATFORM=offscreen "${E2E_PROGRAM}" --gtest_list_tests
    OUTPUT_VARIABLE listing ERROR_VARIABLE errors RESULT_VARIABLE status TIMEOUT 60)
if(NOT status EQUAL 0)
    message(FATAL_ERROR "${E2E_PROGRAM} could not list its tests (${status}):\n${errors}")
endif()

# A suite's line starts at the margin and ends with a dot, before any comment on its
# parameter; its tests follow, indented.
string(REPLACE "\n" ";" lines "${listing}")
set(tests "")
foreach(line IN LISTS lines)
    if(line MATCHES "^([^ #][^ .]*)\\.")
        set(suite ${CMAKE_MATCH_1})
        set(name "${E2E_PREFIX}.${suite}")
        string(APPEND tests
            "add_test([==[${name}]==] [==[${E2E_RUNNER}]==] [==[${E2E_PROGRAM}]==] [==[--gtest_filter=${suite}.*]==])\n"
            "set_tests_properties([==[${name}]==] PROPERTIES LABELS e2e RUN_SERIAL TRUE TIMEOUT ${E2E_TIMEOUT}"
            " ENVIRONMENT [==[${E2E_ENVIRONMENT}]==])\n")
    endif()
endforeach()
file(WRITE "${E2E_OUTPUT}" "${tests}")
