# tarvo_add_test(NAME SOURCES... [LIBS libs...])
# Builds one QtTest executable and registers it with CTest. Every test runs
# with the offscreen platform, its own configuration folder and no sound
# device, so suites never touch the user's settings or need a display.
function(tarvo_add_test name)
  cmake_parse_arguments(T "" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${T_SOURCES} ${T_UNPARSED_ARGUMENTS})
  set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests)
  target_link_libraries(${name} PRIVATE tarvo_testsupport ${T_LIBS} Qt6::Test)
  add_test(NAME ${name} COMMAND ${name})
  set_tests_properties(${name} PROPERTIES
    ENVIRONMENT "QT_QPA_PLATFORM=offscreen;TARVO_MUTE=1;TARVO_DATA_SOURCE=${CMAKE_SOURCE_DIR}/data;TARVO_BIN_DIR=${TARVO_OUT_DIR};TARVO_TEST_SOURCE=${CMAKE_SOURCE_DIR}/tests"
    TIMEOUT 600)
endfunction()
