# Tests of the editors' engines: regular expressions, the standard mask and their strings.
vamire_add_test(editors_regexpr_test PURE
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/regexpr_test.cpp ${CMAKE_CURRENT_LIST_DIR}/regexpr_automat_test.cpp
  LIBS vamire_editors_pure)
vamire_add_test(editors_standardmask_test PURE
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/standardmask_test.cpp LIBS vamire_editors_pure)
vamire_add_test(editors_editconsts_test PURE
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/editconsts_test.cpp LIBS vamire_editors_pure)
vamire_add_benchmark(editors_regexpr_bench PURE
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/regexpr_bench.cpp LIBS vamire_editors_pure)
