# The bar painter base: the metric table of each style, the shared drawing on
# memory surfaces, and the drop shadow's parts.
set(here ${CMAKE_CURRENT_LIST_DIR})
vamire_add_test(bars_painter_base_win_test SOURCES ${here}/painter_base_win_test.cpp LIBS vamire_bars)
vamire_add_benchmark(bars_painter_base_bench SOURCES ${here}/painter_base_bench.cpp LIBS vamire_bars vamire_test_support)
