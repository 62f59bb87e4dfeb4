# The colour combo box: prepared lists, naming, MRU colours, Text as a colour
# name and the console's 18 colours; the editor and its open list captured.
# Opens its list with a typed key: alone on the display.
vamire_add_test(editors_colorcombo_win_test SOURCES ${CMAKE_CURRENT_LIST_DIR}/colorcombo_win_test.cpp
  LIBS vamire_editors vamire_test_support FOREGROUND BOTH_PREFIXES)
