# Look-and-feel settings, the Office colour set and the ultra-flat, Office11 and native painters.
vamire_add_test(lookandfeel_office11_test PURE SOURCES ${CMAKE_CURRENT_LIST_DIR}/office11_test.cpp
  LIBS vamire_lookandfeel_pure)
vamire_add_test(lookandfeel_units2_win_test SOURCES ${CMAKE_CURRENT_LIST_DIR}/units2_win_test.cpp
  LIBS vamire_lookandfeel)
vamire_add_test(lookandfeel_settings_win_test SOURCES ${CMAKE_CURRENT_LIST_DIR}/settings_win_test.cpp
  LIBS vamire_lookandfeel)
vamire_add_test(lookandfeel_office11_win_test SOURCES ${CMAKE_CURRENT_LIST_DIR}/office11_win_test.cpp
  LIBS vamire_lookandfeel)
vamire_add_test(lookandfeel_office_painters_win_test SOURCES ${CMAKE_CURRENT_LIST_DIR}/office_painters_win_test.cpp
  LIBS vamire_lookandfeel)
# Painter choice and native drawing in both prefixes: visual styles off, then on.
vamire_add_test(lookandfeel_choice_test BOTH_PREFIXES SOURCES ${CMAKE_CURRENT_LIST_DIR}/choice_win_test.cpp
  LIBS vamire_lookandfeel)
vamire_add_test(lookandfeel_native_test BOTH_PREFIXES SOURCES ${CMAKE_CURRENT_LIST_DIR}/native_win_test.cpp
  LIBS vamire_lookandfeel)
vamire_add_test(lookandfeel_gallery2_test BOTH_PREFIXES SOURCES ${CMAKE_CURRENT_LIST_DIR}/gallery2_win_test.cpp
  LIBS vamire_lookandfeel)
vamire_add_benchmark(lookandfeel2_bench SOURCES ${CMAKE_CURRENT_LIST_DIR}/lookandfeel2_bench.cpp
  LIBS vamire_lookandfeel)
