vamire_add_test(runtime_classes_test PURE
  SOURCES classes_component_test.cpp classes_lists_test.cpp classes_strings_test.cpp classes_registry_test.cpp
  LIBS vamire_runtime_pure)
