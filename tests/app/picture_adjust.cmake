# The picture adjustment window (TForm4): its tables natively, its frames at
# the device peer with the window's state, its look in both languages and
# prefixes, and its creation to the first paint beside plain windows.
vamire_add_test(app_picture_adjust_core_test PURE SOURCES picture_adjust_core_test.cpp LIBS vamire_app_pure)
vamire_add_test(app_picture_adjust_test DEVICE SOURCES picture_adjust_test.cpp LIBS vamire_app)
vamire_add_test(app_picture_adjust_look_test FOREGROUND BOTH_PREFIXES SOURCES picture_adjust_look_test.cpp
  LIBS vamire_app)
vamire_add_benchmark(app_picture_adjust_bench SOURCES picture_adjust_bench.cpp LIBS vamire_app)
