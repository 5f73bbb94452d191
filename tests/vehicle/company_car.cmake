# The company car fringe benefit calculation.
revtal_core_test(vehicle_company_car_tests
  ${CMAKE_CURRENT_LIST_DIR}/comp_car_calc_test.cpp
)
