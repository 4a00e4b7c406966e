# Each function makes nothing when the tests are left out (KV9_TESTS off).

# kv9_test(NAME SOURCES... LIBS libs... [MAIN target]): a GoogleTest binary run by ctest. Its main
# installs the simulated programmer, unless MAIN names another main.
function(kv9_test name)
  if(NOT KV9_TESTS)
    return()
  endif()
  cmake_parse_arguments(T "" "MAIN" "SOURCES;LIBS" ${ARGN})
  if(NOT T_MAIN)
    set(T_MAIN sim_test_main)
  endif()
  add_executable(${name} ${T_SOURCES})
  target_link_libraries(${name} PRIVATE ${T_LIBS} ${T_MAIN} GTest::gtest)
  set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests)
  add_test(NAME ${name} COMMAND ${name} WORKING_DIRECTORY ${CMAKE_BINARY_DIR}/tests)
  set_tests_properties(${name} PROPERTIES ENVIRONMENT
    "QT_QPA_PLATFORM=offscreen;KV9_SOURCE_DIR=${PROJECT_SOURCE_DIR}")
endfunction()

# kv9_qt_test(NAME SOURCES... LIBS libs... [NO_CTEST]): a Qt Test binary, offscreen. NO_CTEST: a
# check that a script runs on something ctest does not have (the unpacked package).
function(kv9_qt_test name)
  if(NOT KV9_TESTS)
    return()
  endif()
  cmake_parse_arguments(T "NO_CTEST" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${T_SOURCES})
  target_link_libraries(${name} PRIVATE ${T_LIBS} Qt6::Test Qt6::Widgets)
  set_target_properties(${name} PROPERTIES AUTOMOC ON)
  set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests)
  if(T_NO_CTEST)
    return()
  endif()
  add_test(NAME ${name} COMMAND ${name} WORKING_DIRECTORY ${CMAKE_BINARY_DIR}/tests)
  set_tests_properties(${name} PROPERTIES ENVIRONMENT
    "QT_QPA_PLATFORM=offscreen;KV9_SOURCE_DIR=${PROJECT_SOURCE_DIR}")
endfunction()

# kv9_emulated_usb(TARGET): the program runs on the emulated USB bus: the emulated libusb is
# linked in and exported, so the installed libftdi1 calls it.
function(kv9_emulated_usb target)
  if(NOT KV9_TESTS)
    return()
  endif()
  target_link_libraries(${target} PRIVATE usb_emulator)
  set_target_properties(${target} PROPERTIES ENABLE_EXPORTS ON)
endfunction()
