# The period tax calculation of the payroll screens.
target_sources(revtal_core PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/period_tax.cpp
)
