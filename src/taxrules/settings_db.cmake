# The settings database.
if(NOT REVTAL_CORE_ONLY)
  target_sources(revtal_storage PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/settings_db.cpp
  )
endif()
