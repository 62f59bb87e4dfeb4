# The memo: its text rules natively; the editor over a real multi-line EDIT
# under Wine with real keys (Chinese lines in code page 936 by default, and in
# 1252); a screenshot; and Lines against WM_SETTEXT on a system EDIT.
vamire_add_test(editors_memo_test PURE SOURCES ${CMAKE_CURRENT_LIST_DIR}/memo_test.cpp LIBS vamire_editors_pure)
vamire_add_test(editors_memo_win_test SOURCES ${CMAKE_CURRENT_LIST_DIR}/memo_win_test.cpp
  LIBS vamire_editors vamire_test_support FOREGROUND BOTH_PREFIXES)
vamire_add_benchmark(editors_memo_bench SOURCES ${CMAKE_CURRENT_LIST_DIR}/memo_bench.cpp
  LIBS vamire_editors vamire_test_support)
