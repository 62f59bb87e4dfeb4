# Scene presets: the stored native-matrix record read back, natively too.
vamire_add_test(app_presets_core_test PURE SOURCES presets_core_test.cpp LIBS vamire_app_pure)
# Presets, power and the mini panel at the device peer.
vamire_add_test(app_presets_test DEVICE SOURCES presets_test.cpp LIBS vamire_app)
# The matrix configuration dialog and the preset rename window, with the
# settings file on disk in the Chinese code page and in the Western one.
vamire_add_test(app_matrix_config_test SOURCES matrix_config_test.cpp LIBS vamire_app)
vamire_add_test(app_matrix_config_1252_test CODEPAGE 1252 SOURCES matrix_config_test.cpp LIBS vamire_app)
# Their layouts and pictures in both languages and both prefixes.
vamire_add_test(app_matrix_windows_look_test FOREGROUND BOTH_PREFIXES SOURCES matrix_windows_look_test.cpp LIBS vamire_app)
# The matrix dialog's show and the mini panel's modal round, beside the platform.
vamire_add_benchmark(app_matrix_bench SOURCES matrix_bench.cpp LIBS vamire_app)
