# vamire_host_tool(NAME PROJECT_DIR)
#   In a cross build, builds the build-time tool NAME for the build machine
#   from its own small CMake project in PROJECT_DIR (which pulls in the
#   platform-free layers it needs), and sets the cache variables
#   VAMIRE_<NAME> (the program) and VAMIRE_<NAME>_DEP (the target to depend
#   on), NAME in capitals.
include_guard(GLOBAL)
include(ExternalProject)

function(vamire_host_tool name project_dir)
  string(TOUPPER ${name} upper)
  set(host_dir ${CMAKE_BINARY_DIR}/${name}-host)
  set(host_args -DVAMIRE_ROOT=${CMAKE_SOURCE_DIR} -DCMAKE_BUILD_TYPE=Release)
  find_program(VAMIRE_HOST_CXX NAMES c++ g++ REQUIRED)
  list(APPEND host_args -DCMAKE_CXX_COMPILER=${VAMIRE_HOST_CXX})
  if(CCACHE_PROGRAM)
    list(APPEND host_args -DCMAKE_CXX_COMPILER_LAUNCHER=${CCACHE_PROGRAM})
  endif()
  ExternalProject_Add(vamire_${name}_host
    SOURCE_DIR ${project_dir}
    BINARY_DIR ${host_dir}
    CMAKE_ARGS ${host_args}
    BUILD_ALWAYS ON
    INSTALL_COMMAND ""
    BUILD_BYPRODUCTS ${host_dir}/${name})
  set(VAMIRE_${upper} ${host_dir}/${name} CACHE INTERNAL "")
  set(VAMIRE_${upper}_DEP vamire_${name}_host CACHE INTERNAL "")
endfunction()
