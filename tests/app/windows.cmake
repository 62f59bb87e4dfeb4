# The console's windows streamed from their form files, and the windows of
# the administrator role, the version and the debug window.
vamire_add_test(app_forms_stream_test SOURCES forms_stream_test.cpp LIBS vamire_app)
