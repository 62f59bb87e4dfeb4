# Look-and-feel settings, the Office colour set and the ultra-flat, Office11 and native painters.
vamire_add_test(lookandfeel_office11_test PURE SOURCES ${CMAKE_CURRENT_LIST_DIR}/office11_test.cpp
  LIBS vamire_lookandfeel_pure)
