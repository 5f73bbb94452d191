# Storage tests: the common database file handling and the three databases.
if(NOT REVTAL_CORE_ONLY AND NOT TARGET storage_tests)
  revtal_screen_test(storage_tests
    ${CMAKE_CURRENT_LIST_DIR}/storage_local_database_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/storage_preferences_test.cpp
  )
endif()
