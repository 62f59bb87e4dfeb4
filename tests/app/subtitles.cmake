# The subtitle's, special shape's and play mode's window-free rules.
vamire_add_test(app_subtitles_core_test PURE SOURCES subtitles_core_test.cpp LIBS vamire_app_pure)
