# The company car fringe benefit calculation.
target_sources(revtal_core PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/comp_car_calc.cpp
)
