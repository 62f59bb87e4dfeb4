# The console's window-free units: splash schedule, roles and language,
# wall grid arithmetic, settings values.
vamire_add_test(app_console_core_test PURE SOURCES console_core_test.cpp LIBS vamire_app_pure)
# Splice and single display through the links onto the device peer.
vamire_add_test(app_splice_test DEVICE SOURCES splice_test.cpp LIBS vamire_app)
# The settings files on disk, in the Chinese code page and in the Western one.
vamire_add_test(app_settings_files_test SOURCES settings_files_test.cpp LIBS vamire_app)
vamire_add_test(app_settings_files_1252_test CODEPAGE 1252 SOURCES settings_files_test.cpp LIBS vamire_app)
# The layout check that every form of the console is held to.
vamire_add_test(app_layout_check_test SOURCES layout_check_test.cpp LIBS vamire_runtime)
# The wall grid on a real window, with real mouse and keys.
vamire_add_test(app_wallgrid_test FOREGROUND SOURCES wallgrid_test.cpp LIBS vamire_app)
# The serial ports the communication dialog's refresh lists.
vamire_add_test(app_serialports_test SOURCES serialports_test.cpp LIBS vamire_app)
# The largest wall grid's repaint beside the platform painting as many cells.
vamire_add_benchmark(app_grid_bench SOURCES grid_bench.cpp LIBS vamire_app)
