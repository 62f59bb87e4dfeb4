include(${CMAKE_CURRENT_LIST_DIR}/VamireProgram.cmake)

# vamire_add_test(NAME SOURCES ... [LIBS ...] [PURE] [DEVICE] [FOREGROUND] [THEMED | BOTH_PREFIXES]
#                  [NO_GDIPLUS] [CODEPAGE 1252] [TIMEOUT s])
#   One GoogleTest program, one ctest entry. PURE programs need no Win32 and are
#   also built and run natively; the rest run under Wine (and Xvfb).
#   THEMED programs run in the prefix with visual styles on instead of the plain one.
#   BOTH_PREFIXES programs run twice, as NAME_plain and NAME_themed; the program
#   tells which prefix it is in from VAMIRE_THEMED (0 or 1, see
#   tests/support/TestPrefix.h).
#   NO_GDIPLUS programs run with the system's gdiplus.dll disabled
#   (VAMIRE_GDIPLUS=0: scripts/wine-exec adds gdiplus=d to WINEDLLOVERRIDES), as
#   on a system without GDI+.
#   DEVICE programs talk to the device peer and run one at a time.
#   FOREGROUND programs need the active window, the keyboard focus or the pointer
#   (modal loops, focus changes, typed keys, drags): all test programs share one
#   display, where any window shown by another program can take the activation,
#   so these run alone.
function(vamire_add_test name)
  cmake_parse_arguments(T "PURE;DEVICE;FOREGROUND;THEMED;BOTH_PREFIXES;NO_GDIPLUS" "CODEPAGE;TIMEOUT" "SOURCES;LIBS" ${ARGN})
  if(T_THEMED AND T_BOTH_PREFIXES)
    message(FATAL_ERROR "${name}: THEMED and BOTH_PREFIXES exclude each other")
  endif()
  if(VAMIRE_NATIVE AND NOT T_PURE)
    return()
  endif()
  add_executable(${name} ${T_SOURCES})
  vamire_program(${name})
  target_link_libraries(${name} PRIVATE ${T_LIBS} vamire_test_main)
  if(NOT VAMIRE_NATIVE)
    target_link_libraries(${name} PRIVATE vamire_test_support)
  endif()
  set(env "")
  if(T_CODEPAGE)
    list(APPEND env "VAMIRE_CODEPAGE=${T_CODEPAGE}")
  endif()
  if(T_NO_GDIPLUS)
    list(APPEND env "VAMIRE_GDIPLUS=0")
  endif()
  # A natively built program has no prefix: it runs once whatever was asked.
  if(T_BOTH_PREFIXES AND NOT VAMIRE_NATIVE)
    set(entries ${name}_plain ${name}_themed)
  else()
    set(entries ${name})
  endif()
  foreach(entry ${entries})
    add_test(NAME ${entry} COMMAND ${name})
    set(entry_env ${env})
    if(T_THEMED OR entry STREQUAL "${name}_themed")
      list(APPEND entry_env "VAMIRE_THEMED=1")
    elseif(entry STREQUAL "${name}_plain")
      list(APPEND entry_env "VAMIRE_THEMED=0")
    endif()
    if(entry_env)
      set_tests_properties(${entry} PROPERTIES ENVIRONMENT "${entry_env}")
    endif()
    if(NOT T_TIMEOUT)
      set(T_TIMEOUT 300)
    endif()
    set_tests_properties(${entry} PROPERTIES TIMEOUT ${T_TIMEOUT})
    if(T_DEVICE)
      set_tests_properties(${entry} PROPERTIES FIXTURES_REQUIRED devicepeer RESOURCE_LOCK devicepeer)
    endif()
    if(T_FOREGROUND)
      set_tests_properties(${entry} PROPERTIES RUN_SERIAL TRUE)
    endif()
  endforeach()
endfunction()

# vamire_add_benchmark(NAME SOURCES ... [LIBS ...] [PURE] [WIN32]): a measuring program, built,
#   never a test. WIN32 makes a GUI-subsystem program (one a benchmark starts, say).
function(vamire_add_benchmark name)
  cmake_parse_arguments(T "PURE;WIN32" "" "SOURCES;LIBS" ${ARGN})
  if(VAMIRE_NATIVE AND NOT T_PURE)
    return()
  endif()
  if(T_WIN32)
    add_executable(${name} WIN32 ${T_SOURCES})
  else()
    add_executable(${name} ${T_SOURCES})
  endif()
  vamire_program(${name})
  target_link_libraries(${name} PRIVATE ${T_LIBS})
  target_include_directories(${name} PRIVATE ${CMAKE_SOURCE_DIR}/tests)
endfunction()
