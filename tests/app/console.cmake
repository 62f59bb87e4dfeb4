# The console's window-free units: splash schedule, roles and language,
# wall grid arithmetic, settings values.
vamire_add_test(app_console_core_test PURE SOURCES console_core_test.cpp LIBS vamire_app_pure)
# Splice and single display through the links onto the device peer.
vamire_add_test(app_splice_test DEVICE SOURCES splice_test.cpp LIBS vamire_app)
