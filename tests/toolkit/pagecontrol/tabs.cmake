# The tab control: layout arithmetic, tabs, selection, painters, the tab-list pop-up and input.
vamire_add_test(pagecontrol_layout_test PURE SOURCES ${CMAKE_CURRENT_LIST_DIR}/layout_test.cpp
  LIBS vamire_pagecontrol_pure)
vamire_add_test(pagecontrol_tabcontrol_win_test SOURCES ${CMAKE_CURRENT_LIST_DIR}/tabcontrol_win_test.cpp
  LIBS vamire_pagecontrol)
vamire_add_test(pagecontrol_tabinput_win_test SOURCES ${CMAKE_CURRENT_LIST_DIR}/tabinput_win_test.cpp
  LIBS vamire_pagecontrol FOREGROUND)
vamire_add_benchmark(pagecontrol_tablayout_bench SOURCES ${CMAKE_CURRENT_LIST_DIR}/tablayout_bench.cpp
  LIBS vamire_pagecontrol)
vamire_add_test(pagecontrol_pagecontrol_win_test SOURCES ${CMAKE_CURRENT_LIST_DIR}/pagecontrol_win_test.cpp
  LIBS vamire_pagecontrol)
# Real keys and the active window: alone on the display.
vamire_add_test(pagecontrol_tabkeys_win_test SOURCES ${CMAKE_CURRENT_LIST_DIR}/tabkeys_win_test.cpp
  LIBS vamire_pagecontrol FOREGROUND)
# The real styles: tab content placement, the standard sizes and navigator, the Tabs outline.
vamire_add_test(pagecontrol_painters_win_test SOURCES ${CMAKE_CURRENT_LIST_DIR}/painters_win_test.cpp
  LIBS vamire_pagecontrol)
