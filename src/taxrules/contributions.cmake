# Payroll contributions and credits.
target_sources(revtal_core PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/contributions.cpp
)
