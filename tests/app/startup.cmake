# The start-up window's animation and the program body's windows.
vamire_add_test(app_startup_test SOURCES startup_test.cpp LIBS vamire_app)
