# The bar model: items, links, bars, categories and groups; styles; form files
# of a manager with all of them; the streaming and rebuild benchmark.
set(here ${CMAKE_CURRENT_LIST_DIR})
vamire_add_test(bars_model_win_test SOURCES ${here}/model_win_test.cpp LIBS vamire_bars)
vamire_add_test(bars_styles_win_test SOURCES ${here}/styles_win_test.cpp LIBS vamire_bars)
vamire_add_test(bars_model_stream_win_test SOURCES ${here}/model_stream_win_test.cpp LIBS vamire_bars)
vamire_add_benchmark(bars_model_bench SOURCES ${here}/model_bench.cpp LIBS vamire_bars vamire_test_support)
