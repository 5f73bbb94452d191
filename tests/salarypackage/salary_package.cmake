revtal_core_test(salarypackage_calculation_tests
  ${CMAKE_CURRENT_LIST_DIR}/forward_calculation_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/back_calculation_test.cpp
)
revtal_core_test(salarypackage_search_comparison_tests ${CMAKE_CURRENT_LIST_DIR}/back_search_comparison_test.cpp)
