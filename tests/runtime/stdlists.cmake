vamire_add_test(runtime_stdlists_test
  SOURCES stdlists_listbox_test.cpp stdlists_combobox_test.cpp stdlists_stream_test.cpp
  LIBS vamire_runtime
  FOREGROUND)
