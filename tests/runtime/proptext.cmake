# Published properties by name as form-file text.
vamire_add_test(runtime_proptext_test PURE SOURCES proptext_test.cpp LIBS vamire_runtime_pure)
