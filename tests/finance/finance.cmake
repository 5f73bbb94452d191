# Finance calculation tests.
revtal_core_test(finance_core_tests
  ${CMAKE_CURRENT_LIST_DIR}/repeated_addition_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/loan_solver_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/loan_search_comparison_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/amortisation_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/loan_buster_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/loan_comparison_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/inflation_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/daily_balance_test.cpp
)
