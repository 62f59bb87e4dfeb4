# Mouse and keys reach the grid as real messages; moving into the in-place
# editor moves the keyboard focus, so the program runs on its own.
vamire_add_test(runtime_grids_test
  SOURCES grids_select_test.cpp grids_edit_test.cpp grids_draw_test.cpp grids_header_test.cpp
  LIBS vamire_runtime
  FOREGROUND)
