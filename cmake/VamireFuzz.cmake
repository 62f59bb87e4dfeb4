# vamire_add_fuzz_target(NAME SOURCES ... [LIBS ...] [INCLUDES dir...])
#   One libFuzzer target of a pure reader of outside data, declared in
#   tests/fuzz/NAME/CMakeLists.txt. Its sources define the entry function
#   LLVMFuzzerTestOneInput. The fuzz build (scripts/fuzz, VAMIRE_FUZZ) links
#   them with libFuzzer into fuzz_NAME; every other build links the same
#   sources into the PURE test fuzz_NAME_replay, which feeds the entry every
#   input kept in tests/fuzz/NAME/seeds and tests/fuzz/NAME/regressions
#   (embedded at build time, so the program needs no path under Wine).
include_guard(GLOBAL)
set(VAMIRE_FUZZ_DIR ${CMAKE_CURRENT_LIST_DIR}/../tests/fuzz)

function(vamire_add_fuzz_target name)
  cmake_parse_arguments(F "" "" "SOURCES;LIBS;INCLUDES" ${ARGN})
  if(VAMIRE_FUZZ)
    add_executable(fuzz_${name} ${F_SOURCES})
    target_link_libraries(fuzz_${name} PRIVATE ${F_LIBS})
    target_link_options(fuzz_${name} PRIVATE -fsanitize=fuzzer)
    target_include_directories(fuzz_${name} PRIVATE ${VAMIRE_FUZZ_DIR}/support ${F_INCLUDES})
    add_dependencies(vamire_fuzz_all fuzz_${name})
    return()
  endif()
  file(GLOB kept CONFIGURE_DEPENDS
    ${CMAKE_CURRENT_SOURCE_DIR}/seeds/* ${CMAKE_CURRENT_SOURCE_DIR}/regressions/*)
  if(NOT kept)
    message(FATAL_ERROR "fuzz target ${name} keeps no input: add at least one file to tests/fuzz/${name}/seeds")
  endif()
  set(gen ${CMAKE_CURRENT_BINARY_DIR}/fuzz_${name}_kept.cpp)
  string(REPLACE ";" "|" kept_arg "${kept}")
  add_custom_command(OUTPUT ${gen}
    COMMAND ${CMAKE_COMMAND} -DOUT=${gen} -DBASE=${CMAKE_CURRENT_SOURCE_DIR} -DINPUTS=${kept_arg}
      -P ${VAMIRE_FUZZ_DIR}/support/EmbedInputs.cmake
    DEPENDS ${kept} ${VAMIRE_FUZZ_DIR}/support/EmbedInputs.cmake
    COMMENT "Embedding the kept inputs of fuzz target ${name}"
    VERBATIM)
  vamire_add_test(fuzz_${name}_replay PURE
    SOURCES ${F_SOURCES} ${gen} ${VAMIRE_FUZZ_DIR}/support/FuzzReplay.cpp
    LIBS ${F_LIBS})
  if(TARGET fuzz_${name}_replay)
    target_include_directories(fuzz_${name}_replay PRIVATE ${VAMIRE_FUZZ_DIR}/support ${F_INCLUDES})
  endif()
endfunction()
