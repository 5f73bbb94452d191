# Salary package forward and back calculations.
target_sources(revtal_core PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/package_credits.cpp
  ${CMAKE_CURRENT_LIST_DIR}/forward_calculation.cpp
  ${CMAKE_CURRENT_LIST_DIR}/back_search.cpp
  ${CMAKE_CURRENT_LIST_DIR}/back_search_reference.cpp
  ${CMAKE_CURRENT_LIST_DIR}/back_calculation.cpp
)
