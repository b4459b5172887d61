# kt913_add_test(NAME SOURCES a.cpp b.cpp LIBS x y [GUI] [TIMEOUT s] [LABELS l])
# One Qt Test executable per call, registered with CTest. GUI tests run on the
# offscreen platform so that they need no display.
function(kt913_add_test name)
  cmake_parse_arguments(T "GUI" "TIMEOUT" "SOURCES;LIBS;LABELS" ${ARGN})
  add_executable(${name} ${T_SOURCES})
  target_link_libraries(${name} PRIVATE Qt6::Test ${T_LIBS})
  target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR}/src ${PROJECT_SOURCE_DIR}/tests)
  target_compile_definitions(${name} PRIVATE
    KT913_TEST_DATA="${PROJECT_SOURCE_DIR}/tests/data"
    KT913_BINARY_DIR="${PROJECT_BINARY_DIR}")
  add_test(NAME ${name} COMMAND ${name})
  # The user's data folder of a test run (backups of reads) lies in the build tree.
  set(env "QT_QPA_PLATFORM=offscreen;XDG_DATA_HOME=${PROJECT_BINARY_DIR}/test-data")
  set_tests_properties(${name} PROPERTIES ENVIRONMENT "${env}")
  # A test without a time of its own takes ctest's --timeout, which a slower build (the
  # sanitizers) sets higher.
  if(T_TIMEOUT)
    set_tests_properties(${name} PROPERTIES TIMEOUT ${T_TIMEOUT})
  endif()
  if(T_LABELS)
    set_tests_properties(${name} PROPERTIES LABELS "${T_LABELS}")
  endif()
endfunction()
