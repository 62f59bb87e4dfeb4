# vamire_build_skins(NAME CATALOGUE file DESCRIPTIONS file...)
#   Draws each skin description (resources/skins/*.txt) with the catalogue at
#   build time into ${VAMIRE_SKINS_DIR}/<description name>.skin; the target
#   NAME stands for them all. Built skins are never committed (D-50).
# vamire_skin_picture(NAME CATALOGUE file DESCRIPTION file ELEMENT Group.Element OUTPUT file.png)
#   Writes one element's picture, as the description draws it, into
#   ${VAMIRE_SKINS_DIR}; the target NAME stands for it.
# vamire_embed_skins(TARGET RC file SKINS NAME...)
#   Adds a resource script that names built skins (by file name, found in
#   ${VAMIRE_SKINS_DIR}) to TARGET, rebuilt when they change.
#   Include this file before using them:
#     include(${CMAKE_SOURCE_DIR}/tools/skinc/VamireSkins.cmake)
include_guard(GLOBAL)
set(VAMIRE_SKINS_DIR ${CMAKE_BINARY_DIR}/skins CACHE INTERNAL "")
set(skinc_sources SkinRaster.cpp SkinPng.cpp SkinSource.cpp SkinBuild.cpp)
list(TRANSFORM skinc_sources PREPEND ${CMAKE_CURRENT_LIST_DIR}/)

if(VAMIRE_NATIVE)
  find_package(ZLIB REQUIRED)
  add_library(vamire_skinc_lib STATIC ${skinc_sources})
  target_include_directories(vamire_skinc_lib PUBLIC ${CMAKE_CURRENT_LIST_DIR})
  target_link_libraries(vamire_skinc_lib PUBLIC vamire_lookandfeel_pure ZLIB::ZLIB)
endif()
include(${CMAKE_CURRENT_LIST_DIR}/../../cmake/VamireHostTool.cmake)
vamire_host_tool(skinc ${CMAKE_CURRENT_LIST_DIR}/host
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/skinc.cpp LIBS vamire_skinc_lib)

function(vamire_build_skins name)
  cmake_parse_arguments(S "" "CATALOGUE" "DESCRIPTIONS" ${ARGN})
  file(MAKE_DIRECTORY ${VAMIRE_SKINS_DIR})
  get_filename_component(catalogue ${S_CATALOGUE} ABSOLUTE)
  set(outputs)
  foreach(description ${S_DESCRIPTIONS})
    get_filename_component(src ${description} ABSOLUTE)
    get_filename_component(stem ${description} NAME_WE)
    set(out ${VAMIRE_SKINS_DIR}/${stem}.skin)
    add_custom_command(OUTPUT ${out}
      COMMAND ${VAMIRE_SKINC} build ${catalogue} ${src} ${out}
      DEPENDS ${catalogue} ${src} ${VAMIRE_SKINC_DEP}
      COMMENT "Drawing skin ${stem}"
      VERBATIM)
    list(APPEND outputs ${out})
  endforeach()
  add_custom_target(${name} ALL DEPENDS ${outputs})
  set_property(TARGET ${name} PROPERTY VAMIRE_SKIN_FILES ${outputs})
endfunction()

function(vamire_skin_picture name)
  cmake_parse_arguments(S "" "CATALOGUE;DESCRIPTION;ELEMENT;OUTPUT" "" ${ARGN})
  file(MAKE_DIRECTORY ${VAMIRE_SKINS_DIR})
  get_filename_component(catalogue ${S_CATALOGUE} ABSOLUTE)
  get_filename_component(src ${S_DESCRIPTION} ABSOLUTE)
  set(out ${VAMIRE_SKINS_DIR}/${S_OUTPUT})
  add_custom_command(OUTPUT ${out}
    COMMAND ${VAMIRE_SKINC} picture ${catalogue} ${src} ${S_ELEMENT} ${out}
    DEPENDS ${catalogue} ${src} ${VAMIRE_SKINC_DEP}
    COMMENT "Drawing picture ${S_OUTPUT}"
    VERBATIM)
  add_custom_target(${name} ALL DEPENDS ${out})
  set_property(TARGET ${name} PROPERTY VAMIRE_SKIN_FILES ${out})
endfunction()

function(vamire_embed_skins target)
  cmake_parse_arguments(S "" "RC" "SKINS" ${ARGN})
  add_dependencies(${target} ${S_SKINS})
  if(VAMIRE_NATIVE)
    return()
  endif()
  get_filename_component(rc ${S_RC} ABSOLUTE)
  set(files)
  foreach(skins ${S_SKINS})
    get_target_property(made ${skins} VAMIRE_SKIN_FILES)
    list(APPEND files ${made})
  endforeach()
  set_source_files_properties(${rc} PROPERTIES OBJECT_DEPENDS "${files}")
  target_sources(${target} PRIVATE ${rc})
  target_include_directories(${target} PRIVATE ${VAMIRE_SKINS_DIR})
endfunction()
