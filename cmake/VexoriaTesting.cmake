# vexoria_add_test(NAME SOURCES a.cpp b.cpp [WIDGETS] [LIBS x y])
# Adds a GoogleTest executable with the shared test main and registers it in
# CTest. WIDGETS gives the test a QApplication instead of a QGuiApplication.
function(vexoria_add_test name)
  cmake_parse_arguments(T "WIDGETS" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${T_SOURCES})
  if(T_WIDGETS)
    target_link_libraries(${name} PRIVATE vexoria_test_support_widgets vexoria_app)
  else()
    target_link_libraries(${name} PRIVATE vexoria_test_support_gui)
  endif()
  target_link_libraries(${name} PRIVATE vexoria_test_support vexoria_core GTest::gtest GTest::gmock ${T_LIBS})
  target_compile_definitions(${name} PRIVATE VEXORIA_TEST_DATA="${PROJECT_SOURCE_DIR}/tests/data"
                                             VEXORIA_SOURCE_DIR="${PROJECT_SOURCE_DIR}")
  vexoria_warnings(${name})
  add_test(NAME ${name} COMMAND ${name})
  set_tests_properties(${name} PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen" TIMEOUT 600)
endfunction()
