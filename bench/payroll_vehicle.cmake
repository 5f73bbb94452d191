# Period tax and company car calculations.
revtal_core_bench(payroll_vehicle_bench ${CMAKE_CURRENT_LIST_DIR}/payroll_vehicle_bench.cpp)
