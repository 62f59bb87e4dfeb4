# The status bar: its layout natively; the bar, its painters and panel styles
# under Wine; the painter choice in both prefixes (D-45); the console's
# buttons and status bar captured in each look; the repaint benchmarks.
set(here ${CMAKE_CURRENT_LIST_DIR})
vamire_add_test(pagecontrol_statusbar_test PURE SOURCES ${here}/statusbar_test.cpp LIBS vamire_pagecontrol_pure)
vamire_add_test(pagecontrol_statusbar_win_test SOURCES ${here}/statusbar_win_test.cpp LIBS vamire_pagecontrol)
# Shows a form in each prefix and saves what it shows: alone on the display.
vamire_add_test(pagecontrol_consolelooks_screenshot_test BOTH_PREFIXES FOREGROUND
  SOURCES ${here}/consolelooks_screenshot_win_test.cpp LIBS vamire_pagecontrol vamire_editors vamire_skins)
vamire_add_test(pagecontrol_painterchoice_test BOTH_PREFIXES SOURCES ${here}/painterchoice_win_test.cpp
  LIBS vamire_pagecontrol vamire_editors)
vamire_add_benchmark(pagecontrol_buttons_statusbar_bench SOURCES ${here}/buttons_statusbar_bench.cpp
  LIBS vamire_pagecontrol vamire_editors vamire_test_support comctl32)
