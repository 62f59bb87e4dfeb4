# The text editors: their window-free rules natively; the properties with
# their change reporting and streaming, and the text view painted in two looks,
# under Wine.
vamire_add_test(editors_textedit_test PURE SOURCES ${CMAKE_CURRENT_LIST_DIR}/textedit_test.cpp
  LIBS vamire_editors_pure)
vamire_add_test(editors_textedit_win_test SOURCES ${CMAKE_CURRENT_LIST_DIR}/textedit_win_test.cpp
  LIBS vamire_editors)
# The editors' painting under a skin, Office11 gradient buttons, glyphs and image-list images.
vamire_add_test(editors_edit_skinpaint_win_test SOURCES ${CMAKE_CURRENT_LIST_DIR}/edit_skinpaint_win_test.cpp
  LIBS vamire_editors)
vamire_add_benchmark(editors_textedit_bench SOURCES ${CMAKE_CURRENT_LIST_DIR}/textedit_bench.cpp
  LIBS vamire_editors vamire_test_support)
