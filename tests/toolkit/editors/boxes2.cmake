# The check box, the group box control and the radio group: their arithmetic
# natively; the controls under Wine with the real keyboard and pointer; a
# screenshot of the boxes in two looks; the repaint beside the system buttons.
vamire_add_test(editors_boxes2_test PURE SOURCES ${CMAKE_CURRENT_LIST_DIR}/boxes2_test.cpp LIBS vamire_editors_pure)
vamire_add_test(editors_checkbox_win_test SOURCES ${CMAKE_CURRENT_LIST_DIR}/checkbox_win_test.cpp
  LIBS vamire_editors vamire_test_support FOREGROUND)
vamire_add_test(editors_radiogroup_win_test SOURCES ${CMAKE_CURRENT_LIST_DIR}/radiogroup_win_test.cpp
  LIBS vamire_editors vamire_test_support FOREGROUND)
vamire_add_test(editors_boxes_screenshot_test BOTH_PREFIXES SOURCES ${CMAKE_CURRENT_LIST_DIR}/boxes_screenshot_test.cpp
  LIBS vamire_editors vamire_test_support)
vamire_add_benchmark(editors_boxes_bench SOURCES ${CMAKE_CURRENT_LIST_DIR}/boxes_bench.cpp
  LIBS vamire_editors vamire_test_support)
