# The bar control and item control bases on a test bar control with test item
# kinds; the benchmark against the system toolbar.
set(here ${CMAKE_CURRENT_LIST_DIR})
vamire_add_test(bars_barcontrol_win_test SOURCES ${here}/barcontrol_win_test.cpp LIBS vamire_bars)
vamire_add_benchmark(bars_barcontrol_bench SOURCES ${here}/barcontrol_bench.cpp LIBS vamire_bars vamire_test_support)
vamire_add_test(bars_painter_controls_win_test SOURCES ${here}/painter_controls_win_test.cpp LIBS vamire_bars)
