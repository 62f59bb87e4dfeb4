# The standard controls are shown on forms and take the focus: one at a time.
vamire_add_test(runtime_stdctrls_test
  SOURCES stdctrls_buttons_test.cpp stdctrls_edit_test.cpp stdctrls_static_test.cpp stdctrls_form_test.cpp
  LIBS vamire_runtime
  FOREGROUND)
# The streamed form's text is embedded as the resource "TStdForm".
if(TARGET runtime_stdctrls_test)
  vamire_add_forms(runtime_stdctrls_test ${CMAKE_CURRENT_LIST_DIR}/stdctrls_form_test.txt)
endif()
