# The combo box: its list's rows and scroll bar, the keys of the list styles,
# a mouse choice, the console's ItemIndex/Text/Items contract, a combo box
# read from form text, and its open list captured in two looks. Takes the
# focus and moves the pointer: alone on the display.
vamire_add_test(editors_combo_win_test SOURCES ${CMAKE_CURRENT_LIST_DIR}/combo_win_test.cpp
  LIBS vamire_editors vamire_test_support FOREGROUND)
