# vamire_add_forms(TARGET FILE...)
#   Converts each text form (resources/forms/*.txt) to its binary stream at
#   build time and embeds it in TARGET as an RCDATA resource named after the
#   form's class ("TForm1"), which the form's constructor streams. The native
#   build only converts, so a broken form file fails every build.
#   Include this file before using it:
#     include(${CMAKE_SOURCE_DIR}/tools/formconv/VamireForms.cmake)
include_guard(GLOBAL)

if(VAMIRE_NATIVE)
  add_executable(formconv ${CMAKE_CURRENT_LIST_DIR}/formconv.cpp)
  target_link_libraries(formconv PRIVATE vamire_runtime_pure)
  set(VAMIRE_FORMCONV $<TARGET_FILE:formconv> CACHE INTERNAL "")
  set(VAMIRE_FORMCONV_DEP formconv CACHE INTERNAL "")
else()
  include(${CMAKE_SOURCE_DIR}/cmake/VamireHostTool.cmake)
  vamire_host_tool(formconv ${CMAKE_CURRENT_LIST_DIR}/host)
endif()

function(vamire_add_forms target)
  set(outdir ${CMAKE_CURRENT_BINARY_DIR}/forms-${target})
  file(MAKE_DIRECTORY ${outdir})
  set(outputs)
  foreach(form ${ARGN})
    get_filename_component(src ${form} ABSOLUTE)
    get_filename_component(stem ${form} NAME_WE)
    set(bin ${outdir}/${stem}.bin)
    set(rc ${outdir}/${stem}.rc)
    add_custom_command(OUTPUT ${bin} ${rc}
      COMMAND ${VAMIRE_FORMCONV} text2bin ${src} ${bin} --rc ${rc}
      DEPENDS ${src} ${VAMIRE_FORMCONV_DEP}
      COMMENT "Converting form ${stem}"
      VERBATIM)
    list(APPEND outputs ${bin})
    if(NOT VAMIRE_NATIVE)
      # The resource compiler reads the stream the script names.
      set_source_files_properties(${rc} PROPERTIES OBJECT_DEPENDS ${bin})
      target_sources(${target} PRIVATE ${rc})
    endif()
  endforeach()
  add_custom_target(${target}_forms DEPENDS ${outputs})
  add_dependencies(${target} ${target}_forms)
endfunction()
