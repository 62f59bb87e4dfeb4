vamire_add_test(runtime_streaming_test PURE
  SOURCES streaming_test.cpp streaming_support.cpp
  LIBS vamire_runtime_pure)
# The form file is converted at build time and embedded as the resource "TTestForm1".
vamire_add_test(runtime_streaming_win_test
  SOURCES streaming_win_test.cpp streaming_support.cpp
  LIBS vamire_runtime)
if(TARGET runtime_streaming_win_test)
  vamire_add_forms(runtime_streaming_win_test ${CMAKE_CURRENT_LIST_DIR}/streaming_form.txt)
endif()
