# SPDX-License-Identifier: GPL-3.0-or-later
# kt913_add_test(NAME SOURCES a.cpp b.cpp LIBS x y [GUI] [TIMEOUT s] [LABELS l])
# One Qt Test executable per call, registered with CTest. GUI tests run on the
# offscreen platform so that they need no display.

# A warning or critical message from the program's own code fails the test that caused
# it. Qt Test puts its own message handler in place when a test starts and calls no other,
# so the failure is judged on the test's output, where Qt Test prints every message with
# its logging category: the program's own messages go to the "kt913" categories. Qt's own
# warnings, the tests' own, and messages a test expects (QTest::ignoreMessage, never
# printed) pass.
set(KT913_OWN_MESSAGE_REGEX "(QWARN|QCRITICAL) *: .* kt913[.a-z]*: ")

# Real-time bounds in the tests are stretched by this factor (sanitizer builds run slower).
if(CMAKE_CXX_FLAGS MATCHES "-fsanitize")
  set(kt913_time_factor_default 4)
else()
  set(kt913_time_factor_default 1)
endif()
set(KT913_TEST_TIME_FACTOR ${kt913_time_factor_default} CACHE STRING "Factor for the real-time bounds of the tests")

function(kt913_add_test name)
  cmake_parse_arguments(T "GUI" "TIMEOUT" "SOURCES;LIBS;LABELS" ${ARGN})
  add_executable(${name} ${T_SOURCES})
  target_link_libraries(${name} PRIVATE Qt6::Test ${T_LIBS})
  target_link_libraries(${name} PRIVATE kt913_test_folders) # its own home, data and config
  target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR}/src ${PROJECT_SOURCE_DIR}/tests)
  target_compile_definitions(${name} PRIVATE
    KT913_TEST_DATA="${PROJECT_SOURCE_DIR}/tests/data"
    KT913_BINARY_DIR="${PROJECT_BINARY_DIR}")
  add_test(NAME ${name} COMMAND ${name})
  set(env "QT_QPA_PLATFORM=offscreen;KT913_TIME_FACTOR=${KT913_TEST_TIME_FACTOR}")
  set_tests_properties(${name} PROPERTIES ENVIRONMENT "${env}")
  set_tests_properties(${name} PROPERTIES FAIL_REGULAR_EXPRESSION "${KT913_OWN_MESSAGE_REGEX}")
  # A test without a time of its own takes ctest's --timeout, which a slower build (the
  # sanitizers) sets higher.
  if(T_TIMEOUT)
    set_tests_properties(${name} PROPERTIES TIMEOUT ${T_TIMEOUT})
  endif()
  if(T_LABELS)
    set_tests_properties(${name} PROPERTIES LABELS "${T_LABELS}")
  endif()
endfunction()
