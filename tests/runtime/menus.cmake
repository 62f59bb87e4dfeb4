vamire_add_test(runtime_menus_test
  SOURCES menus_shortcut_test.cpp menus_build_test.cpp menus_popup_test.cpp menus_draw_test.cpp
  LIBS vamire_runtime)
