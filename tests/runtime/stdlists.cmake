vamire_add_test(runtime_stdlists_test
  SOURCES stdlists_listbox_test.cpp stdlists_combobox_test.cpp stdlists_stream_test.cpp
  LIBS vamire_runtime
  FOREGROUND)
# Chinese text in edits, combo boxes and list boxes, in both code pages.
vamire_add_test(runtime_stdlists_chinese_test SOURCES stdlists_chinese_test.cpp LIBS vamire_runtime)
vamire_add_test(runtime_stdlists_chinese1252_test CODEPAGE 1252 SOURCES stdlists_chinese_test.cpp LIBS vamire_runtime)
