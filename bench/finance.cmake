# Loan searches (fast and step by step), schedules, loan buster, comparison,
# inflation and daily balance.
revtal_core_bench(finance_bench ${CMAKE_CURRENT_LIST_DIR}/finance_bench.cpp)
