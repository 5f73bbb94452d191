# Report output: the report database, templates, engine, preview, printing
# and export.
if(NOT REVTAL_CORE_ONLY)
  target_sources(revtal_reports PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/app_printer.cpp
    ${CMAKE_CURRENT_LIST_DIR}/print_panel.cpp
    ${CMAKE_CURRENT_LIST_DIR}/report_db.cpp
    ${CMAKE_CURRENT_LIST_DIR}/report_document.cpp
    ${CMAKE_CURRENT_LIST_DIR}/report_engine.cpp
    ${CMAKE_CURRENT_LIST_DIR}/report_export.cpp
    ${CMAKE_CURRENT_LIST_DIR}/report_preview.cpp
    ${CMAKE_CURRENT_LIST_DIR}/report_template.cpp
  )

  # The templates sit beside the executable, named as the program names them.
  file(GLOB revtal_report_templates CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/templates/*.rpt)
  set(revtal_placed_templates)
  foreach(template ${revtal_report_templates})
    get_filename_component(template_name ${template} NAME)
    add_custom_command(OUTPUT ${REVTAL_APP_DIR}/${template_name}
      COMMAND ${CMAKE_COMMAND} -E make_directory ${REVTAL_APP_DIR}
      COMMAND ${CMAKE_COMMAND} -E copy_if_different ${template} ${REVTAL_APP_DIR}/${template_name}
      DEPENDS ${template}
      COMMENT "Placing report template ${template_name}")
    list(APPEND revtal_placed_templates ${REVTAL_APP_DIR}/${template_name})
  endforeach()
  add_custom_target(revtal_templates ALL DEPENDS ${revtal_placed_templates})
  add_dependencies(revtal_reports revtal_templates)
endif()
