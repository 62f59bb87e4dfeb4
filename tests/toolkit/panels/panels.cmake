# The panel library: colour, scheme and table arithmetic natively; strokes and
# gradients on memory DCs; the bordered panel, the status panes and their forms
# under Wine; a screenshot of a swatch form; the paint benchmark against TPanel.
set(here ${CMAKE_CURRENT_LIST_DIR})
vamire_add_test(panels_common_test PURE SOURCES ${here}/common_test.cpp LIBS vamire_panels_pure)
vamire_add_test(panels_strokes_win_test SOURCES ${here}/strokes_win_test.cpp LIBS vamire_panels)
vamire_add_test(panels_gradient_win_test SOURCES ${here}/gradient_win_test.cpp LIBS vamire_panels)
vamire_add_test(panels_panel_win_test SOURCES ${here}/panel_win_test.cpp LIBS vamire_panels)
vamire_add_test(panels_status_win_test SOURCES ${here}/status_win_test.cpp LIBS vamire_panels)
vamire_add_test(panels_units_win_test SOURCES ${here}/units_win_test.cpp LIBS vamire_panels)
# Shows a form: alone on the display.
vamire_add_test(panels_screenshot_win_test SOURCES ${here}/screenshot_win_test.cpp LIBS vamire_panels FOREGROUND)
vamire_add_benchmark(panels_bench SOURCES ${here}/panels_bench.cpp LIBS vamire_panels vamire_test_support)
