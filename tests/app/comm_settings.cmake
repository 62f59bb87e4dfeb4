# The communication settings window: its settings through a real file, the
# refreshed port lists and the transport chosen with the real pointer.
vamire_add_test(app_comm_settings_test FOREGROUND SOURCES comm_settings_test.cpp LIBS vamire_app)
