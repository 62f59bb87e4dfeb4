# The one beep of the program, replaced by a counter, and the mask edit beeping through it.
vamire_add_test(runtime_beep_test SOURCES beep_test.cpp LIBS vamire_runtime)
