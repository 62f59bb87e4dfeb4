# Tests of the toolkit core's first units: helpers, geometry, registries and strings.
vamire_add_test(core_resourcestrings_test PURE SOURCES ${CMAKE_CURRENT_LIST_DIR}/resourcestrings_test.cpp LIBS vamire_core_pure)
vamire_add_test(core_geometry_test PURE SOURCES ${CMAKE_CURRENT_LIST_DIR}/geometry_test.cpp LIBS vamire_core_pure)
vamire_add_test(core_classes_test PURE SOURCES ${CMAKE_CURRENT_LIST_DIR}/classes_test.cpp LIBS vamire_core_pure)
vamire_add_test(core_dxcore_test PURE SOURCES ${CMAKE_CURRENT_LIST_DIR}/dxcore_test.cpp LIBS vamire_core_pure)
vamire_add_test(core_dxcore_win_test SOURCES ${CMAKE_CURRENT_LIST_DIR}/dxcore_win_test.cpp LIBS vamire_core)
vamire_add_test(core_bases_test PURE SOURCES ${CMAKE_CURRENT_LIST_DIR}/bases_test.cpp LIBS vamire_core_pure)
vamire_add_test(core_units_win_test SOURCES ${CMAKE_CURRENT_LIST_DIR}/units_win_test.cpp LIBS vamire_core)
vamire_add_test(core_classes_win_test SOURCES ${CMAKE_CURRENT_LIST_DIR}/classes_win_test.cpp LIBS vamire_core)
vamire_add_test(core_bitmaps_win_test SOURCES ${CMAKE_CURRENT_LIST_DIR}/bitmaps_win_test.cpp LIBS vamire_core)
# Theme library, handle cache and composition: a recording fake, and the real library in both prefixes.
vamire_add_test(core_themes_test BOTH_PREFIXES SOURCES ${CMAKE_CURRENT_LIST_DIR}/themes_test.cpp LIBS vamire_core)
vamire_add_test(core_messages_win_test SOURCES ${CMAKE_CURRENT_LIST_DIR}/messages_win_test.cpp LIBS vamire_core)
# The base-control unit: its platform-free routines, timers, chained window procedures, window and menu routines.
vamire_add_test(core_controlsbase_test PURE SOURCES ${CMAKE_CURRENT_LIST_DIR}/controlsbase_test.cpp LIBS vamire_core_pure)
vamire_add_test(core_timers_win_test SOURCES ${CMAKE_CURRENT_LIST_DIR}/timers_win_test.cpp LIBS vamire_core)
vamire_add_test(core_wndproc_win_test SOURCES ${CMAKE_CURRENT_LIST_DIR}/wndproc_win_test.cpp LIBS vamire_core)
vamire_add_test(core_windows_win_test SOURCES ${CMAKE_CURRENT_LIST_DIR}/windows_win_test.cpp LIBS vamire_core)
# Canvas, regions and bitmaps: the arithmetic natively, the drawing on memory DCs.
vamire_add_test(core_graphics_test PURE SOURCES ${CMAKE_CURRENT_LIST_DIR}/graphics_test.cpp LIBS vamire_core_pure)
vamire_add_test(core_graphics_canvas_win_test SOURCES ${CMAKE_CURRENT_LIST_DIR}/graphics_canvas_win_test.cpp LIBS vamire_core)
vamire_add_test(core_graphics_bitmaps_win_test SOURCES ${CMAKE_CURRENT_LIST_DIR}/graphics_bitmaps_win_test.cpp LIBS vamire_core)
vamire_add_benchmark(core_graphics_bench SOURCES ${CMAKE_CURRENT_LIST_DIR}/graphics_bench.cpp LIBS vamire_core)
