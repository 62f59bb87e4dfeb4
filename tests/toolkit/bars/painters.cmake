# The painter operations of bars, menus and item kinds, the standard and
# enhanced looks, the button and static item kinds, and the button benchmark.
set(here ${CMAKE_CURRENT_LIST_DIR})
vamire_add_test(bars_painters_win_test BOTH_PREFIXES SOURCES ${here}/painters_win_test.cpp LIBS vamire_bars
  vamire_test_support)
vamire_add_test(bars_buttonitems_win_test SOURCES ${here}/buttonitems_win_test.cpp LIBS vamire_bars)
vamire_add_benchmark(bars_painters_bench SOURCES ${here}/painters_bench.cpp LIBS vamire_bars vamire_test_support)
