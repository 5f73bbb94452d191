# The main window and the start-up screens.
if(NOT REVTAL_CORE_ONLY)
  revtal_screen_test(main_window_tests
    ${CMAKE_CURRENT_LIST_DIR}/main_window_test.cpp
  )
endif()
