# The editors' model: the arithmetic natively; properties, styles, repository,
# registries, brush cache, strings and streamed defaults, and the painting of
# an editor with a button in three looks and natively (both prefixes, D-45).
vamire_add_test(editors_edit_test PURE SOURCES ${CMAKE_CURRENT_LIST_DIR}/edit_test.cpp LIBS vamire_editors_pure)
vamire_add_test(editors_edit_model_win_test SOURCES ${CMAKE_CURRENT_LIST_DIR}/edit_model_win_test.cpp
  LIBS vamire_editors)
vamire_add_test(editors_edit_paint_win_test BOTH_PREFIXES SOURCES ${CMAKE_CURRENT_LIST_DIR}/edit_paint_win_test.cpp
  LIBS vamire_editors)
vamire_add_benchmark(editors_edit_bench SOURCES ${CMAKE_CURRENT_LIST_DIR}/edit_bench.cpp
  LIBS vamire_editors vamire_test_support)
