# hmprog_add_test(NAME name SOURCES ... LIBS ... [GUI])
# Builds one GoogleTest executable and registers it with ctest, so that no test
# is built and never run. GUI tests get a main() that owns a QApplication and
# run on the offscreen platform.
function(hmprog_add_test)
  cmake_parse_arguments(T "GUI" "NAME" "SOURCES;LIBS" ${ARGN})
  add_executable(${T_NAME} ${T_SOURCES})
  if(T_GUI)
    target_link_libraries(${T_NAME} PRIVATE hmprog_gui_test_main Qt6::Widgets Qt6::Test)
  else()
    target_link_libraries(${T_NAME} PRIVATE hmprog_core_test_main)
  endif()
  target_link_libraries(${T_NAME} PRIVATE ${T_LIBS} GTest::gtest GTest::gmock)
  target_include_directories(${T_NAME} PRIVATE ${PROJECT_SOURCE_DIR}/tests)
  add_test(NAME ${T_NAME} COMMAND ${T_NAME})
  set_tests_properties(${T_NAME} PROPERTIES
    ENVIRONMENT "QT_QPA_PLATFORM=offscreen;ASAN_OPTIONS=detect_leaks=0")
endfunction()
