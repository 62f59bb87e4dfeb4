# Panel addressing and the panel options at the device peer; the aging and
# logo buttons pressed with the real pointer.
vamire_add_test(app_panel_commands_test DEVICE FOREGROUND SOURCES panel_commands_test.cpp LIBS vamire_app)
