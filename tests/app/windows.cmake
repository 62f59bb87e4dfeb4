# The console's windows streamed from their form files, and the windows of
# the administrator role, the version and the debug window.
vamire_add_test(app_forms_stream_test SOURCES forms_stream_test.cpp LIBS vamire_app)
if(TARGET app_forms_stream_test)
  target_compile_definitions(app_forms_stream_test PRIVATE VAMIRE_EXE=L"$<TARGET_FILE:Vamire>")
  add_dependencies(app_forms_stream_test Vamire)
endif()
# Login, logout and the password change, typed for real: one at a time.
vamire_add_test(app_login_test FOREGROUND SOURCES login_test.cpp LIBS vamire_app)
# The debug and version windows and the debug echo at the device peer.
vamire_add_test(app_debug_windows_test DEVICE SOURCES debug_windows_test.cpp LIBS vamire_app)
# Their layouts and pictures in both languages and both prefixes.
vamire_add_test(app_windows_look_test FOREGROUND BOTH_PREFIXES SOURCES windows_look_test.cpp LIBS vamire_app)
# A login click until the main window is updated, beside the platform's window calls.
vamire_add_benchmark(app_login_bench SOURCES login_bench.cpp LIBS vamire_app comctl32)
# The administrator role's rules and the debug window's input, natively too.
vamire_add_test(app_windows_core_test PURE SOURCES windows_core_test.cpp LIBS vamire_app_pure)
