# vamire_add_layer(NAME PURE_DEPS ... PLATFORM_DEPS ...
#                  [RESOURCES script.rc... RESOURCE_FILES file... RESOURCE_DIRS dir...]
#                  [PIXMAPS folder])
#   The libraries of one layer folder: its *.cpp need no Win32 and make
#   vamire_NAME_pure (built natively too); platform/*.cpp make vamire_NAME.
#   RESOURCES are the layer's resource scripts; RESOURCE_FILES what they embed
#   that the build makes (converted pixel maps), found through RESOURCE_DIRS.
#   The compiled resources reach every program that links vamire_NAME as an
#   object of their own: inside a static archive the linker would drop them,
#   since no code refers to a resource by symbol. The native build only makes
#   the RESOURCE_FILES, so a broken source fails every build.
#   PIXMAPS names a layer's resource folder (resources/<layer>): its pixel maps
#   are converted at build time and its <layer>.rc embeds them.
function(vamire_add_layer name)
  cmake_parse_arguments(L "" "PIXMAPS" "PURE_DEPS;PLATFORM_DEPS;RESOURCES;RESOURCE_FILES;RESOURCE_DIRS" ${ARGN})
  if(L_PIXMAPS)
    include(${CMAKE_SOURCE_DIR}/tools/pixmap/VamirePixmaps.cmake)
    file(GLOB maps CONFIGURE_DEPENDS ${L_PIXMAPS}/*.pixmap)
    # A folder without pixel maps yet has a script that embeds nothing: no resource object.
    if(maps)
      vamire_add_pixmaps(L_RESOURCE_FILES ${CMAKE_CURRENT_BINARY_DIR}/resources ${maps})
      list(APPEND L_RESOURCES ${L_PIXMAPS}/${name}.rc)
      list(APPEND L_RESOURCE_DIRS ${CMAKE_CURRENT_BINARY_DIR}/resources)
    endif()
  endif()
  file(GLOB pure_sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp)
  if(pure_sources)
    add_library(vamire_${name}_pure STATIC ${pure_sources})
    target_include_directories(vamire_${name}_pure PUBLIC ${CMAKE_CURRENT_SOURCE_DIR})
    target_link_libraries(vamire_${name}_pure PUBLIC ${L_PURE_DEPS})
  endif()
  if(L_RESOURCE_FILES)
    add_custom_target(vamire_${name}_resource_files ALL DEPENDS ${L_RESOURCE_FILES})
  endif()
  if(NOT VAMIRE_NATIVE)
    file(GLOB platform_sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/platform/*.cpp)
    if(platform_sources)
      add_library(vamire_${name} STATIC ${platform_sources})
      target_include_directories(vamire_${name} PUBLIC ${CMAKE_CURRENT_SOURCE_DIR} ${CMAKE_CURRENT_SOURCE_DIR}/platform)
      target_link_libraries(vamire_${name} PUBLIC vamire_${name}_pure ${L_PLATFORM_DEPS})
      if(L_RESOURCES)
        add_library(vamire_${name}_resources OBJECT ${L_RESOURCES})
        target_include_directories(vamire_${name}_resources PRIVATE ${L_RESOURCE_DIRS})
        if(L_RESOURCE_FILES)
          set_source_files_properties(${L_RESOURCES} PROPERTIES OBJECT_DEPENDS "${L_RESOURCE_FILES}")
          add_dependencies(vamire_${name}_resources vamire_${name}_resource_files)
        endif()
        target_link_libraries(vamire_${name} INTERFACE $<TARGET_OBJECTS:vamire_${name}_resources>)
      endif()
    endif()
  endif()
endfunction()
