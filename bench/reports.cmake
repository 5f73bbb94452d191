# The quick tax report: writing its table and producing its pages.
if(NOT REVTAL_CORE_ONLY)
  add_executable(reports_bench ${CMAKE_CURRENT_LIST_DIR}/reports_bench.cpp)
  target_link_libraries(reports_bench PRIVATE revtal_reports benchmark::benchmark)
  add_dependencies(reports_bench revtal_templates)
endif()
