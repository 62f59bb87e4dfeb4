# Streams, ini files, the registry object, threads and the hidden utility window.
vamire_add_test(runtime_streams_memory_test PURE SOURCES streams_memory_test.cpp LIBS vamire_runtime_pure)
vamire_add_test(runtime_streams_file_test SOURCES streams_file_test.cpp streams_file_test.rc LIBS vamire_runtime gdiplus)
vamire_add_test(runtime_thread_test SOURCES thread_test.cpp LIBS vamire_runtime)
vamire_add_test(runtime_inifile_test SOURCES inifile_test.cpp LIBS vamire_runtime)
vamire_add_test(runtime_inifile_1252_test SOURCES inifile_test.cpp LIBS vamire_runtime CODEPAGE 1252)
vamire_add_test(runtime_registry_test SOURCES registry_test.cpp LIBS vamire_runtime)
