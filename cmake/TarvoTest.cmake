# Every test runs through tests/support/private-world.sh: in a private
# desktop world of its own (home, XDG folders, temporary folder, session
# bus, the test fonts), with the offscreen platform and no sound device, so
# suites never touch the user's settings, files or keyring, need no
# display, and draw the same pictures on every machine.
set(TARVO_TEST_WORLDS ${CMAKE_BINARY_DIR}/tests/world)
set(TARVO_FAILED_PICTURES ${CMAKE_BINARY_DIR}/tests/failed-pictures)
set(TARVO_TEST_ENVIRONMENT
    "QT_QPA_PLATFORM=offscreen"
    "TARVO_MUTE=1"
    "TARVO_DATA_SOURCE=${CMAKE_SOURCE_DIR}/data"
    "TARVO_BIN_DIR=${TARVO_OUT_DIR}"
    "TARVO_TEST_SOURCE=${CMAKE_SOURCE_DIR}/tests"
    "TARVO_TEST_FONTCONFIG=${CMAKE_BINARY_DIR}/tests/fonts.conf"
    "TARVO_FAILED_PICTURES=${TARVO_FAILED_PICTURES}")

# tarvo_add_private_test(NAME [KEYRING] COMMAND command...)
# Registers a test whose command runs in a private world. KEYRING offers
# the test a secret service on its private bus (unlocked, password
# "tarvo-test"); without it the bus has none, as on a machine without a
# desktop session.
function(tarvo_add_private_test name)
  cmake_parse_arguments(T "KEYRING" "" "COMMAND" ${ARGN})
  set(keyring "")
  if(T_KEYRING)
    set(keyring --keyring)
  endif()
  add_test(NAME ${name}
           COMMAND bash ${CMAKE_SOURCE_DIR}/tests/support/private-world.sh ${keyring}
                   ${TARVO_TEST_WORLDS}/${name} ${T_COMMAND})
  set_tests_properties(${name} PROPERTIES ENVIRONMENT "${TARVO_TEST_ENVIRONMENT}" TIMEOUT 600)
endfunction()

# tarvo_add_test(NAME SOURCES... [LIBS libs...] [KEYRING])
# Builds one QtTest executable and registers it as a private test.
function(tarvo_add_test name)
  cmake_parse_arguments(T "KEYRING" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${T_SOURCES} ${T_UNPARSED_ARGUMENTS})
  set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests)
  target_link_libraries(${name} PRIVATE tarvo_testsupport ${T_LIBS} Qt6::Test)
  # Qt's headers and the generous bounds for every QTRY_ wait
  # (tests/support/TestWaits.h) come first in every file, precompiled once.
  # Qt Test's definitions of the suite's own folders (only QFINDTESTDATA
  # reads them, and the suites find their data through TARVO_TEST_SOURCE)
  # would keep the shared header from being used.
  target_precompile_headers(${name} REUSE_FROM tarvo_test_pch)
  target_compile_options(${name} PRIVATE -UQT_TESTCASE_BUILDDIR -UQT_TESTCASE_SOURCEDIR)
  set(keyring "")
  if(T_KEYRING)
    set(keyring KEYRING)
  endif()
  tarvo_add_private_test(${name} ${keyring} COMMAND $<TARGET_FILE:${name}>)
endfunction()
