# vamire_add_pixmaps(OUTVAR OUTDIR MAP...)
#   Converts each pixel map (resources/<layer>/*.pixmap) at build time into
#   OUTDIR, as NAME.bmp or NAME.cur by what the map says it is, and appends the
#   files made to OUTVAR. A resource script that names them finds them with
#   OUTDIR among its include directories. The native build converts too, so a
#   broken map fails every build.
#   Include this file before using it:
#     include(${CMAKE_SOURCE_DIR}/tools/pixmap/VamirePixmaps.cmake)
include_guard(GLOBAL)

include(${CMAKE_CURRENT_LIST_DIR}/../../cmake/VamireHostTool.cmake)
vamire_host_tool(pixmapconv ${CMAKE_CURRENT_LIST_DIR}/host
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/pixmapconv.cpp ${CMAKE_CURRENT_LIST_DIR}/PixelMap.cpp)

function(vamire_add_pixmaps outvar outdir)
  file(MAKE_DIRECTORY ${outdir})
  set(outputs ${${outvar}})
  foreach(map ${ARGN})
    get_filename_component(src ${map} ABSOLUTE)
    get_filename_component(stem ${map} NAME_WE)
    file(STRINGS ${src} first REGEX "^[ \t]*(bitmap|cursor)[ \t]" LIMIT_COUNT 1)
    if(first MATCHES "cursor")
      set(out ${outdir}/${stem}.cur)
    else()
      set(out ${outdir}/${stem}.bmp)
    endif()
    add_custom_command(OUTPUT ${out}
      COMMAND ${VAMIRE_PIXMAPCONV} ${src} ${out}
      DEPENDS ${src} ${VAMIRE_PIXMAPCONV_DEP}
      COMMENT "Converting pixel map ${stem}"
      VERBATIM)
    list(APPEND outputs ${out})
  endforeach()
  set(${outvar} ${outputs} PARENT_SCOPE)
endfunction()
