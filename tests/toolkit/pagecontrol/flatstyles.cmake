# The Flat and banded styles: their metrics, colours and pixels, the native
# Tabs parts through the theme fake in both prefixes (D-45), the console's
# page controls captured in each look, and the page-switch benchmark.
set(here ${CMAKE_CURRENT_LIST_DIR})
vamire_add_test(pagecontrol_flatstyles_win_test BOTH_PREFIXES SOURCES ${here}/flatstyles_win_test.cpp
  LIBS vamire_pagecontrol)
# Shows a form in each prefix and saves what it shows: alone on the display.
vamire_add_test(pagecontrol_pagelooks_screenshot_test BOTH_PREFIXES FOREGROUND
  SOURCES ${here}/pagelooks_screenshot_win_test.cpp LIBS vamire_pagecontrol)
vamire_add_benchmark(pagecontrol_pageswitch_bench SOURCES ${here}/pageswitch_bench.cpp
  LIBS vamire_pagecontrol vamire_test_support comctl32)
