# End-to-end test programs register one test per test suite, each run by a script that starts a
# desktop of its own for it: a failure names its suite, each suite is timed apart, and no suite
# inherits a desktop that an earlier one left in a bad state. They run alone (RUN_SERIAL), as
# they wait for real windows, while the other tests run side by side.
#
# orvalet_e2e_suites(target PREFIX name RUNNER script [TIMEOUT seconds] [ENVIRONMENT NAME=value...])
# registers PREFIX.Suite for each suite of the target, found when ctest runs, as
# gtest_discover_tests finds tests: the program lists its tests without a desktop.
set(ORVALET_E2E_SUITES_SCRIPT ${CMAKE_CURRENT_LIST_DIR}/OrvaletE2eSuitesList.cmake)

function(orvalet_e2e_suites target)
    cmake_parse_arguments(PARSE_ARGV 1 arg "" "PREFIX;RUNNER;TIMEOUT" "ENVIRONMENT")
    if(NOT arg_TIMEOUT)
        set(arg_TIMEOUT 300)
    endif()
    set(base ${CMAKE_CURRENT_BINARY_DIR}/${arg_PREFIX}_suites)
    set(program $<TARGET_FILE:${target}>)
    string(CONCAT include_content
        "if(EXISTS \"${program}\")\n"
        "  if(NOT EXISTS \"${base}.cmake\" OR NOT \"${base}.cmake\" IS_NEWER_THAN \"${program}\" OR\n"
        "     NOT \"${base}.cmake\" IS_NEWER_THAN \"\${CMAKE_CURRENT_LIST_FILE}\")\n"
        "    set(E2E_PROGRAM [==[${program}]==])\n"
        "    set(E2E_PREFIX [==[${arg_PREFIX}]==])\n"
        "    set(E2E_RUNNER [==[${arg_RUNNER}]==])\n"
        "    set(E2E_TIMEOUT [==[${arg_TIMEOUT}]==])\n"
        "    set(E2E_ENVIRONMENT [==[${arg_ENVIRONMENT}]==])\n"
        "    set(E2E_OUTPUT [==[${base}.cmake]==])\n"
        "    include([==[${ORVALET_E2E_SUITES_SCRIPT}]==])\n"
        "  endif()\n"
        "  include(\"${base}.cmake\")\n"
        "else()\n"
        "  add_test(${arg_PREFIX}_NOT_BUILT ${arg_PREFIX}_NOT_BUILT)\n"
        "endif()\n")
    file(GENERATE OUTPUT ${base}_include.cmake CONTENT "${include_content}")
    set_property(DIRECTORY APPEND PROPERTY TEST_INCLUDE_FILES ${base}_include.cmake)
endfunction()
