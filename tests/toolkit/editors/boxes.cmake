# Boxes and the extended editors' helpers: strings, colour tables and the text
# readers natively; the drawing helpers and the radio button under Wine.
vamire_add_test(editors_extedit_test PURE SOURCES ${CMAKE_CURRENT_LIST_DIR}/extedit_test.cpp LIBS vamire_editors_pure)
# Moves and presses the real pointer: alone on the display.
vamire_add_test(editors_radio_input_win_test SOURCES ${CMAKE_CURRENT_LIST_DIR}/radio_input_win_test.cpp
  LIBS vamire_editors FOREGROUND)
# Drawing of the radio button (both prefixes, D-45) with a screenshot of its looks,
# and the extended editors' drawing helpers.
vamire_add_test(editors_radio_paint_win_test BOTH_PREFIXES SOURCES ${CMAKE_CURRENT_LIST_DIR}/radio_paint_win_test.cpp
  LIBS vamire_editors)
# The group box's layout arithmetic, natively.
vamire_add_test(editors_groupbox_test PURE SOURCES ${CMAKE_CURRENT_LIST_DIR}/groupbox_test.cpp LIBS vamire_editors_pure)
# The group box's frame by border style and its turned captions.
vamire_add_test(editors_groupbox_paint_win_test SOURCES ${CMAKE_CURRENT_LIST_DIR}/groupbox_paint_win_test.cpp
  LIBS vamire_editors)
# Repaint of radio buttons against the system's, side by side.
vamire_add_benchmark(editors_radio_bench SOURCES ${CMAKE_CURRENT_LIST_DIR}/radio_bench.cpp
  LIBS vamire_editors vamire_test_support)
