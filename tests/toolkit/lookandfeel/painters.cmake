# The painters: their shapes natively, their drawing on memory DCs, the gallery and the draw cost.
vamire_add_test(lookandfeel_shapes_test PURE SOURCES ${CMAKE_CURRENT_LIST_DIR}/shapes_test.cpp
  LIBS vamire_lookandfeel_pure)
vamire_add_test(lookandfeel_interface_win_test SOURCES ${CMAKE_CURRENT_LIST_DIR}/interface_win_test.cpp
  LIBS vamire_lookandfeel)
vamire_add_test(lookandfeel_painters_win_test SOURCES ${CMAKE_CURRENT_LIST_DIR}/painters_win_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/painters_colors_win_test.cpp LIBS vamire_lookandfeel)
vamire_add_test(lookandfeel_shared_win_test SOURCES ${CMAKE_CURRENT_LIST_DIR}/shared_win_test.cpp
  LIBS vamire_lookandfeel)
vamire_add_test(lookandfeel_gallery_win_test SOURCES ${CMAKE_CURRENT_LIST_DIR}/gallery_win_test.cpp
  LIBS vamire_lookandfeel)
vamire_add_benchmark(lookandfeel_painters_bench SOURCES ${CMAKE_CURRENT_LIST_DIR}/painters_bench.cpp
  LIBS vamire_lookandfeel vamire_test_support)
vamire_add_test(lookandfeel_units_win_test SOURCES ${CMAKE_CURRENT_LIST_DIR}/units_win_test.cpp LIBS vamire_lookandfeel)
