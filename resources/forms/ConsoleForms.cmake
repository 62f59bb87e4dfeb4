# The console's windows as data: every form file here (UnitN.dfm, the text
# people edit) is converted to its binary stream at build time, and forms.rc
# embeds each stream as an RCDATA resource named after its form class, which
# the form's constructor streams. The native build only converts, so a broken
# form file fails every build. Defines vamire_console_forms, an object library
# that every program of the console links (through vamire_app).
include(${CMAKE_SOURCE_DIR}/tools/formconv/VamireForms.cmake)

file(GLOB console_forms CONFIGURE_DEPENDS ${CMAKE_CURRENT_LIST_DIR}/*.dfm)
set(console_forms_dir ${CMAKE_BINARY_DIR}/console-forms)
file(MAKE_DIRECTORY ${console_forms_dir})
set(console_form_streams)
foreach(form ${console_forms})
  get_filename_component(stem ${form} NAME_WE)
  set(bin ${console_forms_dir}/${stem}.bin)
  add_custom_command(OUTPUT ${bin}
    COMMAND ${VAMIRE_FORMCONV} text2bin ${form} ${bin}
    DEPENDS ${form} ${VAMIRE_FORMCONV_DEP}
    COMMENT "Converting form ${stem}"
    VERBATIM)
  list(APPEND console_form_streams ${bin})
endforeach()
# The windows' glyphs, authored as pixel maps beside the form files.
include(${CMAKE_SOURCE_DIR}/tools/pixmap/VamirePixmaps.cmake)
file(GLOB console_pixmaps CONFIGURE_DEPENDS ${CMAKE_CURRENT_LIST_DIR}/*.pixmap)
vamire_add_pixmaps(console_form_streams ${console_forms_dir} ${console_pixmaps})
add_custom_target(vamire_console_form_streams ALL DEPENDS ${console_form_streams})

if(NOT VAMIRE_NATIVE)
  set(console_forms_rc ${CMAKE_CURRENT_LIST_DIR}/forms.rc)
  set_source_files_properties(${console_forms_rc} PROPERTIES OBJECT_DEPENDS "${console_form_streams}")
  add_library(vamire_console_forms OBJECT ${console_forms_rc})
  target_include_directories(vamire_console_forms PRIVATE ${console_forms_dir})
  add_dependencies(vamire_console_forms vamire_console_form_streams)
endif()
