# The label: its geometry natively.
vamire_add_test(editors_label_test PURE SOURCES ${CMAKE_CURRENT_LIST_DIR}/label_test.cpp LIBS vamire_editors_pure)
