# The installed program, not the build tree: installs into a temporary prefix, checks the
# desktop files, the file type and the launcher, and opens a keyboard file with the
# installed keyboard.
add_test(NAME e2e_install
    COMMAND ${CMAKE_SOURCE_DIR}/tests/e2e/desktop.sh
            ${CMAKE_SOURCE_DIR}/tests/e2e/install_test.sh ${CMAKE_BINARY_DIR})
set_tests_properties(e2e_install PROPERTIES LABELS e2e TIMEOUT 300 RUN_SERIAL TRUE)
