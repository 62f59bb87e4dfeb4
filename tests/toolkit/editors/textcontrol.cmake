# The text editor with its inner EDIT under real keys: routing, the length
# limit (in code pages 936 and 1252), the clipboard, WM_GETTEXT, the item
# index, modal validation and unfocused painting; and typing and pasting
# beside a system EDIT.
vamire_add_test(editors_textcontrol_win_test SOURCES ${CMAKE_CURRENT_LIST_DIR}/textcontrol_win_test.cpp
  LIBS vamire_editors vamire_test_support FOREGROUND)
vamire_add_test(editors_textcontrol_win_1252_test SOURCES ${CMAKE_CURRENT_LIST_DIR}/textcontrol_win_test.cpp
  LIBS vamire_editors vamire_test_support FOREGROUND CODEPAGE 1252)
vamire_add_benchmark(editors_textcontrol_bench SOURCES ${CMAKE_CURRENT_LIST_DIR}/textcontrol_bench.cpp
  LIBS vamire_editors vamire_test_support)
