# Report output: database tables, templates, engine, preview, export, print
# panel, and the quick tax report.
if(NOT REVTAL_CORE_ONLY AND NOT TARGET reports_tests)
  revtal_screen_test(reports_tests
    ${CMAKE_CURRENT_LIST_DIR}/report_test_support.cpp
    ${CMAKE_CURRENT_LIST_DIR}/report_db_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/report_template_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/report_engine_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/report_export_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/print_panel_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/tovrik_print_test.cpp
  )
  target_link_libraries(reports_tests PRIVATE Qt6::Pdf Qt6::Sql)
endif()
