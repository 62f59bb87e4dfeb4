# The container unit's popup window and inner list box.
# Shows popups that take the focus and clicks with the real pointer: alone on the display.
vamire_add_test(controls_popupwindow_win_test SOURCES ${CMAKE_CURRENT_LIST_DIR}/popupwindow_win_test.cpp
  LIBS vamire_controls FOREGROUND)
vamire_add_test(controls_innerlistbox_win_test SOURCES ${CMAKE_CURRENT_LIST_DIR}/innerlistbox_win_test.cpp
  LIBS vamire_controls)
