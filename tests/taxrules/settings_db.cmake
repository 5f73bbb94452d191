# The settings database.
if(NOT REVTAL_CORE_ONLY)
  revtal_screen_test(taxrules_settings_db_tests
    ${CMAKE_CURRENT_LIST_DIR}/settings_db_test.cpp
  )
endif()
