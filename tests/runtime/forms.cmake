vamire_add_test(runtime_forms_application_test SOURCES forms_application_test.cpp LIBS vamire_runtime)
# The form and frame texts are converted at build time and embedded as resources named after their classes.
vamire_add_test(runtime_forms_form_test SOURCES forms_form_test.cpp LIBS vamire_runtime FOREGROUND)
if(TARGET runtime_forms_form_test)
  vamire_add_forms(runtime_forms_form_test ${CMAKE_CURRENT_LIST_DIR}/forms_streamed.txt
    ${CMAKE_CURRENT_LIST_DIR}/forms_frame.txt)
endif()
vamire_add_test(runtime_forms_hint_test SOURCES forms_hint_test.cpp LIBS vamire_runtime FOREGROUND)
