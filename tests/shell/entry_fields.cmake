# Entry fields: reading typed numbers and dates, and the field widgets.
revtal_core_test(entry_text_tests
  ${CMAKE_CURRENT_LIST_DIR}/number_text_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/date_text_test.cpp
)

if(NOT REVTAL_CORE_ONLY)
  revtal_screen_test(entry_fields_tests ${CMAKE_CURRENT_LIST_DIR}/entry_fields_test.cpp)
endif()
