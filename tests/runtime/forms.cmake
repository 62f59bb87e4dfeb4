vamire_add_test(runtime_forms_application_test SOURCES forms_application_test.cpp LIBS vamire_runtime)
# The streamed form's text is converted at build time and embedded as the resource "TStreamedForm".
vamire_add_test(runtime_forms_form_test SOURCES forms_form_test.cpp LIBS vamire_runtime)
if(TARGET runtime_forms_form_test)
  vamire_add_forms(runtime_forms_form_test ${CMAKE_CURRENT_LIST_DIR}/forms_streamed.txt)
endif()
vamire_add_test(runtime_forms_hint_test SOURCES forms_hint_test.cpp LIBS vamire_runtime)
