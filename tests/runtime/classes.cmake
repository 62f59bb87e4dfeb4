vamire_add_test(runtime_classes_test PURE
  SOURCES classes_component_test.cpp classes_lists_test.cpp classes_strings_test.cpp classes_registry_test.cpp
  LIBS vamire_runtime_pure)
# Text files cross the ANSI code page: once as the console runs (936), once Western.
vamire_add_test(runtime_classes_win_test SOURCES classes_win_test.cpp LIBS vamire_runtime)
vamire_add_test(runtime_classes_win_1252_test SOURCES classes_win_test.cpp LIBS vamire_runtime CODEPAGE 1252)
