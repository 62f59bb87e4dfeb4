# The push button: its window-free arithmetic natively; the control, its
# glyphs and speed-button groups under Wine.
vamire_add_test(editors_buttons_test PURE
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/buttons_test.cpp LIBS vamire_editors_pure)
# Places the pointer over a button the system presses: alone on the display.
vamire_add_test(editors_buttons_win_test SOURCES ${CMAKE_CURRENT_LIST_DIR}/buttons_win_test.cpp LIBS vamire_editors
  FOREGROUND)
