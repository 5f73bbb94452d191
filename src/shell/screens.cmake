# The main window and the start-up, about and help screens.
if(NOT REVTAL_CORE_ONLY)
  target_sources(revtal_screens PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/calculator_screen.cpp
    ${CMAKE_CURRENT_LIST_DIR}/dialog_placement.cpp
    ${CMAKE_CURRENT_LIST_DIR}/frm_about.cpp
    ${CMAKE_CURRENT_LIST_DIR}/frm_disclaimer_yes_no.cpp
    ${CMAKE_CURRENT_LIST_DIR}/frm_help_browser.cpp
    ${CMAKE_CURRENT_LIST_DIR}/frm_kestra.cpp
    ${CMAKE_CURRENT_LIST_DIR}/mdi_form1.cpp
    ${CMAKE_CURRENT_LIST_DIR}/screen_mnemonics.cpp
  )
endif()
