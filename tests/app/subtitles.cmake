# The subtitle's, special shape's and play mode's window-free rules.
vamire_add_test(app_subtitles_core_test PURE SOURCES subtitles_core_test.cpp LIBS vamire_app_pure)
# The subtitle windows from their form files, with fired ticks and the real pointer.
vamire_add_test(app_subtitle_windows_test FOREGROUND BOTH_PREFIXES SOURCES subtitle_windows_test.cpp LIBS vamire_app)
# The special-shape and play-mode windows' frames at the device peer; the play
# mode pressed with the real pointer.
vamire_add_test(app_shape_playmode_test DEVICE FOREGROUND SOURCES shape_playmode_test.cpp LIBS vamire_app)
# Their layouts and screenshots in both languages and both prefixes.
vamire_add_test(app_shape_playmode_layout_test BOTH_PREFIXES SOURCES shape_playmode_layout_test.cpp LIBS vamire_app)
# Section "subtitle" on disk, in the Chinese code page and in the Western one.
vamire_add_test(app_subtitle_settings_file_test SOURCES subtitle_settings_file_test.cpp LIBS vamire_app)
vamire_add_test(app_subtitle_settings_file_1252_test CODEPAGE 1252 SOURCES subtitle_settings_file_test.cpp LIBS vamire_app)
# One marquee step of a 1920-pixel subtitle beside ScrollWindowEx and DrawText.
vamire_add_benchmark(app_marquee_bench SOURCES marquee_bench.cpp LIBS vamire_app)
# A 100-position drag of the edge-blending bar with its label beside the system track bar.
vamire_add_benchmark(app_blend_bench SOURCES blend_bench.cpp LIBS vamire_app comctl32)
