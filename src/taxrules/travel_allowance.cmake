#Travel allowance cost scale and deduction.
target_sources(revtal_core PRIVATE ${CMAKE_CURRENT_LIST_DIR} / travel_allowance.cpp)
