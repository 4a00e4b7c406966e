# kv9_test(NAME SOURCES... LIBS libs...): a GoogleTest binary run by ctest on the simulated programmer.
function(kv9_test name)
  cmake_parse_arguments(T "" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${T_SOURCES})
  target_link_libraries(${name} PRIVATE ${T_LIBS} GTest::gtest GTest::gtest_main)
  set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests)
  add_test(NAME ${name} COMMAND ${name} WORKING_DIRECTORY ${CMAKE_BINARY_DIR}/tests)
  set_tests_properties(${name} PROPERTIES ENVIRONMENT
    "KV9_PROGRAMMER=sim;QT_QPA_PLATFORM=offscreen;KV9_SOURCE_DIR=${PROJECT_SOURCE_DIR}")
endfunction()

# kv9_qt_test(NAME SOURCES... LIBS libs...): a Qt Test binary, offscreen.
function(kv9_qt_test name)
  cmake_parse_arguments(T "" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${T_SOURCES})
  target_link_libraries(${name} PRIVATE ${T_LIBS} Qt6::Test Qt6::Widgets)
  set_target_properties(${name} PROPERTIES AUTOMOC ON)
  set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests)
  add_test(NAME ${name} COMMAND ${name} WORKING_DIRECTORY ${CMAKE_BINARY_DIR}/tests)
  set_tests_properties(${name} PROPERTIES ENVIRONMENT
    "KV9_PROGRAMMER=sim;QT_QPA_PLATFORM=offscreen;KV9_SOURCE_DIR=${PROJECT_SOURCE_DIR}")
endfunction()
