# The label: its geometry natively.
vamire_add_test(editors_label_test PURE SOURCES ${CMAKE_CURRENT_LIST_DIR}/label_test.cpp LIBS vamire_editors_pure)
# Its drawing, recorded in a metafile and captured on screen.
vamire_add_test(editors_label_win_test SOURCES ${CMAKE_CURRENT_LIST_DIR}/label_win_test.cpp
  LIBS vamire_editors vamire_test_support)
# The control on a form: caption, accelerator, auto-size and the cache.
vamire_add_test(editors_label_control_win_test SOURCES ${CMAKE_CURRENT_LIST_DIR}/label_control_win_test.cpp
  LIBS vamire_editors vamire_test_support FOREGROUND)
