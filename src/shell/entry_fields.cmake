# Entry fields: reading typed numbers and dates (core), and the field widgets.
target_sources(revtal_core PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/number_text.cpp
  ${CMAKE_CURRENT_LIST_DIR}/date_text.cpp
)

if(NOT REVTAL_CORE_ONLY)
  target_sources(revtal_screens PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/entry_focus.cpp
    ${CMAKE_CURRENT_LIST_DIR}/number_field.cpp
    ${CMAKE_CURRENT_LIST_DIR}/decimal_field.cpp
    ${CMAKE_CURRENT_LIST_DIR}/whole_number_field.cpp
    ${CMAKE_CURRENT_LIST_DIR}/date_field.cpp
    ${CMAKE_CURRENT_LIST_DIR}/spin_button.cpp
  )
endif()
