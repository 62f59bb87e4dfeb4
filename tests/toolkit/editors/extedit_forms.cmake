# The label and the track bar read from and written to form files, and the
# label's click under the real pointer.
vamire_add_test(editors_extedit_forms_win_test SOURCES ${CMAKE_CURRENT_LIST_DIR}/extedit_forms_win_test.cpp
  LIBS vamire_editors vamire_test_support FOREGROUND)
