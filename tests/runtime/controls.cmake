vamire_add_test(runtime_controls_test
  SOURCES controls_window_test.cpp controls_layout_test.cpp controls_message_test.cpp controls_paint_test.cpp controls_drag_test.cpp controls_cursor_test.cpp controls_stream_test.cpp
  LIBS vamire_runtime
  FOREGROUND)
