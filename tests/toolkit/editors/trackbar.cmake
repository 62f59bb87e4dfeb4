# The track bar's arithmetic: positions from values, keys and the mouse, and its layout.
vamire_add_test(editors_trackbar_test PURE
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/trackbar_test.cpp LIBS vamire_editors_pure)
# The control under the real keyboard and pointer, and its picture.
vamire_add_test(editors_trackbar_win_test SOURCES ${CMAKE_CURRENT_LIST_DIR}/trackbar_win_test.cpp
  LIBS vamire_editors vamire_test_support FOREGROUND)
# A 100-position drag against the system trackbar, side by side.
vamire_add_benchmark(editors_trackbar_bench SOURCES ${CMAKE_CURRENT_LIST_DIR}/trackbar_bench.cpp
  LIBS vamire_editors vamire_test_support)
