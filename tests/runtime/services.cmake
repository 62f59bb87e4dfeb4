# Streams, ini files, the registry object, threads and the hidden utility window.
vamire_add_test(runtime_thread_test SOURCES thread_test.cpp LIBS vamire_runtime)
