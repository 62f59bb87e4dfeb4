# The text editors' item lists: the search, typing, stepping and ItemIndex
# rules natively.
vamire_add_test(editors_lookup_test PURE SOURCES ${CMAKE_CURRENT_LIST_DIR}/lookup_test.cpp
  LIBS vamire_editors_pure)
# The lookup data and its popup list under Wine, with the real pointer.
vamire_add_test(editors_lookup_win_test FOREGROUND SOURCES ${CMAKE_CURRENT_LIST_DIR}/lookup_win_test.cpp
  LIBS vamire_editors)
vamire_add_benchmark(editors_lookup_bench SOURCES ${CMAKE_CURRENT_LIST_DIR}/lookup_bench.cpp
  LIBS vamire_editors vamire_test_support)
# The text editor over its lookup items under real keys.
vamire_add_test(editors_lookup_edit_win_test FOREGROUND SOURCES ${CMAKE_CURRENT_LIST_DIR}/lookup_edit_win_test.cpp
  LIBS vamire_editors vamire_test_support)
