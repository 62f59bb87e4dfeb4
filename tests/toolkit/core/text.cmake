# Text layout: rows and placement natively, drawing, measuring and parent backgrounds on DCs and windows.
vamire_add_test(core_textlayout_test PURE SOURCES ${CMAKE_CURRENT_LIST_DIR}/textlayout_test.cpp LIBS vamire_core_pure)
vamire_add_test(core_textlayout_win_test SOURCES ${CMAKE_CURRENT_LIST_DIR}/textlayout_win_test.cpp LIBS vamire_core)
vamire_add_test(core_textmeasure_win_test SOURCES ${CMAKE_CURRENT_LIST_DIR}/textmeasure_win_test.cpp LIBS vamire_core)
vamire_add_test(core_parentbackground_win_test SOURCES ${CMAKE_CURRENT_LIST_DIR}/parentbackground_win_test.cpp LIBS vamire_core)
vamire_add_benchmark(core_textlayout_bench SOURCES ${CMAKE_CURRENT_LIST_DIR}/textlayout_bench.cpp LIBS vamire_core)
