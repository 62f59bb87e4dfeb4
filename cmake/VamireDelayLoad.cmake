# vamire_delay_import(DLL...)
#   For each system DLL (shell32, comdlg32, ...) an imported library
#   vamire_delay_DLL: linked in place of the DLL's import library, it loads the
#   DLL at the first call of one of its functions instead of at program start.
#   Under Wine every DLL loaded at start costs the start-up (the common dialogs
#   bring the shell and the print spooler with them); these are needed only when
#   a dialog opens, a file is opened by the shell, a socket connects.
#   Functions only: a DLL whose data the program reads must stay a plain import.
#   The delay-load library is made at configure time from the toolchain's import
#   library: every function it names, in a definition file for dlltool.
include_guard(GLOBAL)

function(vamire_delay_import)
  set(dir ${CMAKE_BINARY_DIR}/delayload)
  file(MAKE_DIRECTORY ${dir})
  foreach(dll ${ARGN})
    set(target vamire_delay_${dll})
    if(TARGET ${target})
      continue()
    endif()
    find_library(VAMIRE_IMPORT_${dll} NAMES lib${dll}.a REQUIRED NO_CACHE)
    set(lib ${dir}/lib${dll}_delay.a)
    if(NOT EXISTS ${lib} OR VAMIRE_IMPORT_${dll} IS_NEWER_THAN ${lib})
      execute_process(COMMAND ${CMAKE_NM} ${VAMIRE_IMPORT_${dll}} OUTPUT_VARIABLE symbols ERROR_QUIET COMMAND_ERROR_IS_FATAL ANY)
      # "__imp_Name" on x86_64, "__imp__Name@N" on i686 (dlltool -k imports it by its plain name).
      string(REGEX MATCHALL " I __imp__?[^\n]+" imports "${symbols}")
      set(def "LIBRARY ${dll}.dll\nEXPORTS\n")
      set(keep "")
      foreach(entry ${imports})
        string(REGEX REPLACE "^ I __imp_" "" name "${entry}")
        string(APPEND keep "-u ${name}\n")
        if(CMAKE_SYSTEM_PROCESSOR STREQUAL "i686")
          string(REGEX REPLACE "^_" "" name "${name}")
        endif()
        string(APPEND def "${name}\n")
      endforeach()
      file(WRITE ${dir}/${dll}.def "${def}")
      # The i686 linker drops a loading stub that only its table slot refers to
      # (callers go through the slot), leaving the slot zero: the first call jumps
      # to address 0. Naming every stub as needed (ld options read from a file) keeps them all.
      file(WRITE ${dir}/${dll}_keep.rsp "${keep}")
      set(flags)
      if(CMAKE_SYSTEM_PROCESSOR STREQUAL "i686")
        set(flags -m i386 -k)
      endif()
      execute_process(COMMAND ${CMAKE_DLLTOOL} ${flags} -d ${dir}/${dll}.def -y ${lib} COMMAND_ERROR_IS_FATAL ANY)
    endif()
    add_library(${target} STATIC IMPORTED GLOBAL)
    set_target_properties(${target} PROPERTIES IMPORTED_LOCATION ${lib} INTERFACE_LINK_LIBRARIES delayimp)
    if(CMAKE_SYSTEM_PROCESSOR STREQUAL "i686")
      set_property(TARGET ${target} APPEND PROPERTY INTERFACE_LINK_OPTIONS "-Wl,@${dir}/${dll}_keep.rsp")
    endif()
  endforeach()
endfunction()
