# The quick tax report's table writer, in the reports layer.
if(NOT REVTAL_CORE_ONLY)
  target_sources(revtal_reports PRIVATE ${CMAKE_CURRENT_LIST_DIR}/tovrik_print.cpp)
endif()
