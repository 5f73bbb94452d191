# The finance calculations: loans, schedules, loan buster, comparison,
# inflation and daily balance.
target_sources(revtal_core PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/repeated_addition.cpp
  ${CMAKE_CURRENT_LIST_DIR}/loan_solver.cpp
  ${CMAKE_CURRENT_LIST_DIR}/loan_solver_reference.cpp
  ${CMAKE_CURRENT_LIST_DIR}/amortisation.cpp
  ${CMAKE_CURRENT_LIST_DIR}/loan_buster.cpp
  ${CMAKE_CURRENT_LIST_DIR}/loan_comparison.cpp
  ${CMAKE_CURRENT_LIST_DIR}/inflation.cpp
  ${CMAKE_CURRENT_LIST_DIR}/daily_balance.cpp
)
