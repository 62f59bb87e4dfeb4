# The subtitle settings window from its form file: reading and saving section
# "subtitle", the background colours, opening and closing the subtitle, and
# its layout and pictures in both languages and both prefixes.
vamire_add_test(app_subtitle_settings_window_test FOREGROUND BOTH_PREFIXES SOURCES subtitle_settings_window_test.cpp
  LIBS vamire_app)
