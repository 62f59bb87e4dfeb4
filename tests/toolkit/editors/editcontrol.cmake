# The editor control, on the harness kind without an inner window: auto-size,
# keys, validation, events and streaming; the edit buttons under the real
# pointer; and what creating, streaming and first painting cost beside EDIT.
vamire_add_test(editors_editcontrol_win_test SOURCES ${CMAKE_CURRENT_LIST_DIR}/editcontrol_win_test.cpp
  LIBS vamire_editors FOREGROUND)
# Moves the real pointer over the edit buttons: alone on the display.
vamire_add_test(editors_editcontrol_buttons_win_test
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/editcontrol_buttons_win_test.cpp LIBS vamire_editors vamire_test_support
  FOREGROUND)
vamire_add_benchmark(editors_editcontrol_bench SOURCES ${CMAKE_CURRENT_LIST_DIR}/editcontrol_bench.cpp
  LIBS vamire_editors vamire_test_support)
