# vamire_host_tool(NAME HOST_DIR SOURCES ... [LIBS ...])
#   A program the build runs on the build machine (a converter of sources into
#   what the program embeds). The native build makes it as a target of its own
#   from SOURCES and LIBS; a cross build makes it with the build machine's
#   compiler from HOST_DIR, a CMake project that builds NAME, as an external
#   project. Sets VAMIRE_<NAME> (upper case) to the program and
#   VAMIRE_<NAME>_DEP to what a command running it depends on.
include_guard(GLOBAL)

function(vamire_host_tool name host_dir)
  cmake_parse_arguments(T "" "" "SOURCES;LIBS" ${ARGN})
  string(TOUPPER ${name} upper)
  if(VAMIRE_NATIVE)
    add_executable(${name} ${T_SOURCES})
    target_link_libraries(${name} PRIVATE ${T_LIBS})
    set(VAMIRE_${upper} $<TARGET_FILE:${name}> CACHE INTERNAL "")
    set(VAMIRE_${upper}_DEP ${name} CACHE INTERNAL "")
    return()
  endif()
  include(ExternalProject)
  set(bin ${CMAKE_BINARY_DIR}/${name}-host)
  set(host_args -DVAMIRE_ROOT=${CMAKE_SOURCE_DIR} -DCMAKE_BUILD_TYPE=Release)
  find_program(VAMIRE_HOST_CXX NAMES c++ g++ REQUIRED)
  list(APPEND host_args -DCMAKE_CXX_COMPILER=${VAMIRE_HOST_CXX})
  if(CCACHE_PROGRAM)
    list(APPEND host_args -DCMAKE_CXX_COMPILER_LAUNCHER=${CCACHE_PROGRAM})
  endif()
  ExternalProject_Add(vamire_${name}_host
    SOURCE_DIR ${host_dir}
    BINARY_DIR ${bin}
    CMAKE_ARGS ${host_args}
    BUILD_ALWAYS ON
    INSTALL_COMMAND ""
    BUILD_BYPRODUCTS ${bin}/${name})
  set(VAMIRE_${upper} ${bin}/${name} CACHE INTERNAL "")
  # The program file too: a command depending only on the target would not run
  # again when the tool changes, and its outputs would stay stale.
  set(VAMIRE_${upper}_DEP vamire_${name}_host ${bin}/${name} CACHE INTERNAL "")
endfunction()
