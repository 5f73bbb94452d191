# The quick tax screen.
if(NOT REVTAL_CORE_ONLY)
  revtal_screen_test(quick_tax_screen_tests ${CMAKE_CURRENT_LIST_DIR}/quick_tax_screen_test.cpp)
endif()
