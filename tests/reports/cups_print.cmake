# The quick tax report printed through a private CUPS server and a cups-pdf
# queue (needs root, the cups and printer-driver-cups-pdf packages).
if(NOT REVTAL_CORE_ONLY AND NOT TARGET cups_print_test)
  find_package(Qt6 REQUIRED COMPONENTS Network)
  revtal_screen_test(cups_print_test
    ${CMAKE_CURRENT_LIST_DIR}/report_test_support.cpp
    ${CMAKE_CURRENT_LIST_DIR}/cups_print_test.cpp
  )
  target_link_libraries(cups_print_test PRIVATE Qt6::Pdf Qt6::Sql Qt6::Network)
endif()
