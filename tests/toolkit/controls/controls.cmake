# The base control, its scroll bars, drag and drop, mouse tracking, hint and popup windows.
vamire_add_test(controls_geometry_test PURE SOURCES ${CMAKE_CURRENT_LIST_DIR}/geometry_test.cpp
  LIBS vamire_controls_pure)
vamire_add_test(controls_control_win_test SOURCES ${CMAKE_CURRENT_LIST_DIR}/control_win_test.cpp LIBS vamire_controls)
vamire_add_test(controls_scrollbar_win_test SOURCES ${CMAKE_CURRENT_LIST_DIR}/scrollbar_win_test.cpp LIBS vamire_controls)
# Places the pointer: alone on the display.
vamire_add_test(controls_scrollbar_repeat_win_test SOURCES ${CMAKE_CURRENT_LIST_DIR}/scrollbar_repeat_win_test.cpp
  LIBS vamire_controls FOREGROUND)
vamire_add_test(controls_tracking_win_test SOURCES ${CMAKE_CURRENT_LIST_DIR}/tracking_win_test.cpp LIBS vamire_controls)
vamire_add_test(controls_units_win_test SOURCES ${CMAKE_CURRENT_LIST_DIR}/units_win_test.cpp LIBS vamire_controls)
vamire_add_test(controls_pointer_win_test SOURCES ${CMAKE_CURRENT_LIST_DIR}/pointer_win_test.cpp
  LIBS vamire_controls FOREGROUND)
vamire_add_test(controls_dragdrop_win_test SOURCES ${CMAKE_CURRENT_LIST_DIR}/dragdrop_win_test.cpp LIBS vamire_controls)
# Drags and the pointing loop with the real pointer: alone on the display.
vamire_add_test(controls_drag_win_test SOURCES ${CMAKE_CURRENT_LIST_DIR}/drag_win_test.cpp
  LIBS vamire_controls FOREGROUND)
vamire_add_test(controls_popup_win_test SOURCES ${CMAKE_CURRENT_LIST_DIR}/popup_win_test.cpp LIBS vamire_controls)
# Shows a form in each prefix and saves what it shows: alone on the display.
vamire_add_test(controls_screenshot_test BOTH_PREFIXES SOURCES ${CMAKE_CURRENT_LIST_DIR}/screenshot_win_test.cpp
  LIBS vamire_controls FOREGROUND)
vamire_add_benchmark(controls_scrollbars_bench SOURCES ${CMAKE_CURRENT_LIST_DIR}/scrollbars_bench.cpp
  LIBS vamire_controls)
