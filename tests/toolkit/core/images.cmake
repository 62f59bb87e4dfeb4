# Images: GDI+ and PNG pictures, alpha blending and glyphs, the image list.
vamire_add_test(core_images_test PURE SOURCES ${CMAKE_CURRENT_LIST_DIR}/images_test.cpp LIBS vamire_core_pure)
vamire_add_test(core_gdiplus_win_test SOURCES ${CMAKE_CURRENT_LIST_DIR}/gdiplus_win_test.cpp LIBS vamire_core)
vamire_add_test(core_gdiplus_off_win_test NO_GDIPLUS SOURCES ${CMAKE_CURRENT_LIST_DIR}/gdiplus_off_win_test.cpp LIBS vamire_core)
vamire_add_test(core_alpha_win_test SOURCES ${CMAKE_CURRENT_LIST_DIR}/alpha_win_test.cpp LIBS vamire_core)
vamire_add_test(core_imagelist_win_test SOURCES ${CMAKE_CURRENT_LIST_DIR}/imagelist_win_test.cpp LIBS vamire_core)
vamire_add_benchmark(core_alpha_bench SOURCES ${CMAKE_CURRENT_LIST_DIR}/alpha_bench.cpp LIBS vamire_core)
