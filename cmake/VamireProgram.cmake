# vamire_program(TARGET)
#   What every Windows program of the project gets (Vamire.exe, each test and
#   benchmark program): the common-controls 6 manifest as its resource 1, and
#   its debug information moved into TARGET.exe.debug next to it. The program
#   that runs is stripped, so Wine does not map debug sections at each start;
#   the .debug file (found through the program's debug link) still reads a crash.
#   The native build has no Windows programs: nothing happens there.
include_guard(GLOBAL)
get_filename_component(VAMIRE_MANIFEST ${CMAKE_CURRENT_LIST_DIR}/../resources/manifest/CommonControls.manifest ABSOLUTE)
set(VAMIRE_MANIFEST_RC ${CMAKE_BINARY_DIR}/manifest/CommonControls.rc)
# Written only when its text changes, so a new configure rebuilds nothing.
file(CONFIGURE OUTPUT ${VAMIRE_MANIFEST_RC} CONTENT
  "// Resource 1 of type RT_MANIFEST: the manifest Windows reads when the program starts.\n1 24 \"${VAMIRE_MANIFEST}\"\n")

function(vamire_program target)
  if(VAMIRE_NATIVE)
    return()
  endif()
  # A resource object in a static archive would be dropped: each program compiles the script.
  set_source_files_properties(${VAMIRE_MANIFEST_RC} PROPERTIES OBJECT_DEPENDS ${VAMIRE_MANIFEST})
  target_sources(${target} PRIVATE ${VAMIRE_MANIFEST_RC})
  # Sections at page-aligned file offsets: Wine maps them from the file, so only
  # the pages a run touches count, instead of copying the whole image at start.
  target_link_options(${target} PRIVATE -Wl,--file-alignment=4096)
  add_custom_command(TARGET ${target} POST_BUILD
    COMMAND ${CMAKE_OBJCOPY} --only-keep-debug $<TARGET_FILE:${target}> $<TARGET_FILE:${target}>.debug
    COMMAND ${CMAKE_OBJCOPY} --strip-all --add-gnu-debuglink=$<TARGET_FILE:${target}>.debug $<TARGET_FILE:${target}>
    VERBATIM)
endfunction()
