# The period tax calculation.
revtal_core_test(payroll_period_tax_tests
  ${CMAKE_CURRENT_LIST_DIR}/period_tax_test.cpp
)
