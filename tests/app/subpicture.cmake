# The sub-picture windows' roundings, preview and drag rules, natively too.
vamire_add_test(app_subpicture_core_test PURE SOURCES subpicture_core_test.cpp LIBS vamire_app_pure)
# The sub-picture windows at the device peer, dragged with the real pointer.
vamire_add_test(app_subpicture_test DEVICE FOREGROUND SOURCES subpicture_test.cpp LIBS vamire_app)
# Their layouts and screenshots, with the channel selection window and
# TForm21, in both languages and both prefixes.
vamire_add_test(app_subpicture_look_test FOREGROUND BOTH_PREFIXES SOURCES subpicture_look_test.cpp LIBS vamire_app)
# Starting the console's windows beside the platform making as many windows
# and system controls; time and peak working set of both.
vamire_add_benchmark(app_console_bench SOURCES console_bench.cpp LIBS vamire_app psapi)
