# The splice configuration and background colour windows with a real grid;
# the logo picture and the names through "cfg.ini" in the Chinese code page
# and in the Western one.
vamire_add_test(app_wall_windows_test FOREGROUND SOURCES wall_windows_test.cpp LIBS vamire_app)
vamire_add_test(app_wall_windows_1252_test FOREGROUND CODEPAGE 1252 SOURCES wall_windows_test.cpp LIBS vamire_app)
# Their layouts and pictures in both languages and both prefixes.
vamire_add_test(app_wall_windows_look_test FOREGROUND BOTH_PREFIXES SOURCES wall_windows_look_test.cpp LIBS vamire_app)
# A swatch press on the largest selection beside the platform's profile
# writes and a plain window painting as many cells.
vamire_add_benchmark(app_swatch_bench SOURCES swatch_bench.cpp LIBS vamire_app)
