# The skin painter and the built-in skins: their units and registration, the
# names of a skin file, drawing from the probe skin, and the draw cost.
vamire_add_test(lookandfeel_skinunits_win_test SOURCES ${CMAKE_CURRENT_LIST_DIR}/skinunits_win_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/skinnames_win_test.cpp LIBS vamire_skins)
