# The bar library: its arithmetic natively; its units, manager, hints, streaming
# and drawing routines under Wine; the glyph and background benchmark.
set(here ${CMAKE_CURRENT_LIST_DIR})
vamire_add_test(bars_arith_test PURE SOURCES ${here}/arith_test.cpp LIBS vamire_bars_pure)
vamire_add_test(bars_units_win_test SOURCES ${here}/units_win_test.cpp LIBS vamire_bars)
vamire_add_test(bars_manager_win_test SOURCES ${here}/manager_win_test.cpp LIBS vamire_bars)
vamire_add_test(bars_painter_win_test BOTH_PREFIXES SOURCES ${here}/painter_win_test.cpp LIBS vamire_bars)
vamire_add_test(bars_hints_win_test SOURCES ${here}/hints_win_test.cpp LIBS vamire_bars)
vamire_add_test(bars_stream_win_test SOURCES ${here}/stream_win_test.cpp LIBS vamire_bars)
vamire_add_test(bars_routines_win_test SOURCES ${here}/routines_win_test.cpp LIBS vamire_bars)
vamire_add_benchmark(bars_bench SOURCES ${here}/bars_bench.cpp LIBS vamire_bars vamire_test_support)
