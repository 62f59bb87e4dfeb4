# The main window's clock, browses, timed power and scene switch with the
# clock set and the ticks fired, frames at the device peer.
vamire_add_test(app_schedules_test DEVICE SOURCES schedules_test.cpp LIBS vamire_app)
# The timing settings window: its file, the main window's timer and fields.
vamire_add_test(app_timing_setting_test SOURCES timing_setting_test.cpp LIBS vamire_app)
# Its layout and screenshots in both languages and both prefixes.
vamire_add_test(app_timing_setting_look_test BOTH_PREFIXES SOURCES timing_setting_look_test.cpp LIBS vamire_app)
# One Timer1 tick's status text beside SB_SETTEXT twice on a system status bar.
vamire_add_benchmark(app_clock_bench SOURCES clock_bench.cpp LIBS vamire_app comctl32)
# Their window-free rules, natively too.
vamire_add_test(app_schedules_core_test PURE SOURCES schedules_core_test.cpp LIBS vamire_app_pure)
