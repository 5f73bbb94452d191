# The quick tax screen.
if(NOT REVTAL_CORE_ONLY)
  target_sources(revtal_screens PRIVATE ${CMAKE_CURRENT_LIST_DIR}/frm_tovrik.cpp)
endif()
