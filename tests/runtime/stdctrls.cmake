# The standard controls are shown on forms and take the focus: one at a time.
vamire_add_test(runtime_stdctrls_test
  SOURCES stdctrls_buttons_test.cpp stdctrls_edit_test.cpp stdctrls_static_test.cpp
  LIBS vamire_runtime
  FOREGROUND)
