vamire_add_test(runtime_streaming_test PURE
  SOURCES streaming_test.cpp streaming_support.cpp
  LIBS vamire_runtime_pure)
