# The communication settings window: its settings through a real file, the
# refreshed port lists and the transport chosen with the real pointer.
vamire_add_test(app_comm_settings_test FOREGROUND SOURCES comm_settings_test.cpp LIBS vamire_app)
# Its layout and picture in both languages and both prefixes, with the start-up window's.
vamire_add_test(app_comm_look_test FOREGROUND BOTH_PREFIXES SOURCES comm_look_test.cpp LIBS vamire_app)
