# hmprog_add_test(NAME name SOURCES ... LIBS ... [QT | GUI])
# Builds one GoogleTest executable and registers it with ctest, so that no test
# is built and never run. A plain test is standard C++ and links no Qt, so that
# the core's tests run in the build without Qt. QT tests get a main() that
# owns a QCoreApplication; GUI tests one that owns a QApplication and run on
# the offscreen platform.
#
# Tests run in English whatever the developer's language, since they compare
# the program's texts (a test of a translation sets its own locale after).
# Leaks are reported; what Qt and the platform's libraries keep for the life
# of the process is listed in tests/support/lsan.supp.
function(hmprog_add_test)
  cmake_parse_arguments(T "QT;GUI" "NAME" "SOURCES;LIBS" ${ARGN})
  add_executable(${T_NAME} ${T_SOURCES})
  if(T_GUI)
    target_link_libraries(${T_NAME} PRIVATE hmprog_gui_test_main Qt6::Widgets Qt6::Test)
  elseif(T_QT)
    target_link_libraries(${T_NAME} PRIVATE hmprog_qt_test_main Qt6::Core)
  else()
    target_link_libraries(${T_NAME} PRIVATE hmprog_core_test_main)
  endif()
  target_link_libraries(${T_NAME} PRIVATE ${T_LIBS} GTest::gtest GTest::gmock)
  # Fixtures are included by the path they have under their layer, like the code.
  target_include_directories(${T_NAME} PRIVATE ${PROJECT_SOURCE_DIR}/tests
    ${PROJECT_SOURCE_DIR}/tests/core ${PROJECT_SOURCE_DIR}/tests/adapters ${PROJECT_SOURCE_DIR}/tests/desktop)
  add_test(NAME ${T_NAME} COMMAND ${T_NAME})
  set_tests_properties(${T_NAME} PROPERTIES
    ENVIRONMENT "QT_QPA_PLATFORM=offscreen;LC_ALL=C.UTF-8;LANGUAGE=;ASAN_OPTIONS=detect_leaks=1;LSAN_OPTIONS=suppressions=${PROJECT_SOURCE_DIR}/tests/support/lsan.supp:print_suppressions=0")
endfunction()
