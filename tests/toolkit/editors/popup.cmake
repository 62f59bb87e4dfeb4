# The drop-down popup: its arithmetic natively; the window shown under its
# editor with its system panel in two looks, its grip dragged by the real
# pointer, top-level mode on and off, and the open and close protocol with
# real keys. Takes the focus and moves the pointer: alone on the display.
vamire_add_test(editors_popup_test PURE SOURCES ${CMAKE_CURRENT_LIST_DIR}/popup_test.cpp LIBS vamire_editors_pure)
vamire_add_test(editors_popup_win_test BOTH_PREFIXES SOURCES ${CMAKE_CURRENT_LIST_DIR}/popup_win_test.cpp
  LIBS vamire_editors vamire_test_support FOREGROUND)
# The drop-down editor on the text editor: keys, button, focus, events and the remembered size.
vamire_add_test(editors_dropdown_win_test SOURCES ${CMAKE_CURRENT_LIST_DIR}/dropdown_win_test.cpp
  LIBS vamire_editors vamire_test_support FOREGROUND)
