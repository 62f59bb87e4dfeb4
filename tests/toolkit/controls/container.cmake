# The container, its styles and style controller, its view info and the unit's helpers.
vamire_add_test(controls_container_geometry_test PURE
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/container_geometry_test.cpp LIBS vamire_controls_pure)
vamire_add_test(controls_container_viewinfo_test BOTH_PREFIXES
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/container_viewinfo_win_test.cpp LIBS vamire_controls)
vamire_add_test(controls_container_style_win_test
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/container_style_win_test.cpp LIBS vamire_controls)
vamire_add_test(controls_container_helpers_win_test
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/container_helpers_win_test.cpp LIBS vamire_controls)
# Focus and the real pointer over the containers: alone on the display.
vamire_add_test(controls_container_focus_win_test
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/container_focus_win_test.cpp LIBS vamire_controls FOREGROUND)
# Shows a form in each prefix and saves what it shows: alone on the display.
vamire_add_test(controls_container_screenshot_test BOTH_PREFIXES
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/container_screenshot_win_test.cpp LIBS vamire_controls FOREGROUND)
vamire_add_benchmark(controls_container_bench SOURCES ${CMAKE_CURRENT_LIST_DIR}/container_bench.cpp
  LIBS vamire_controls)
