# The skin painter and the built-in skins: their units and registration, the
# names of a skin file, drawing from the probe skin, and the draw cost.
vamire_add_test(lookandfeel_skinunits_win_test SOURCES ${CMAKE_CURRENT_LIST_DIR}/skinunits_win_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/skinnames_win_test.cpp ${CMAKE_CURRENT_LIST_DIR}/skingallery_win_test.cpp LIBS vamire_skins)
vamire_add_test(lookandfeel_skinunits_nogdiplus_win_test NO_GDIPLUS
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/skinunits_nogdiplus_win_test.cpp LIBS vamire_skins)
vamire_add_test(lookandfeel_skinpainter_win_test SOURCES ${CMAKE_CURRENT_LIST_DIR}/skinpainter_win_test.cpp
  LIBS vamire_lookandfeel)
if(TARGET lookandfeel_skinpainter_win_test AND NOT VAMIRE_NATIVE)
  # The probe skin is drawn by the skins' tests (skins_test_skins); the program embeds it under its own name.
  set(rc ${CMAKE_CURRENT_LIST_DIR}/skinpainter_test.rc)
  set_source_files_properties(${rc} PROPERTIES OBJECT_DEPENDS ${VAMIRE_SKINS_DIR}/probe.skin)
  target_sources(lookandfeel_skinpainter_win_test PRIVATE ${rc})
  target_include_directories(lookandfeel_skinpainter_win_test PRIVATE ${VAMIRE_SKINS_DIR})
  add_dependencies(lookandfeel_skinpainter_win_test skins_test_skins)
endif()
vamire_add_benchmark(lookandfeel_skinpainter_bench SOURCES ${CMAKE_CURRENT_LIST_DIR}/skinpainter_bench.cpp
  LIBS vamire_skins vamire_test_support)
