# The real program, started from a run folder that scripts/run-folder makes
# afresh for the test run (the fixture), as an operator runs it; once more
# without GDI+, as on a system that lacks it (the program's non-skin look).
if(VAMIRE_NATIVE)
  return()
endif()
set(program_run_folder ${CMAKE_CURRENT_BINARY_DIR}/program-run)
add_test(NAME app_program_run_folder
  COMMAND sh -c "rm -rf '${program_run_folder}' && VAMIRE_BUILD='${CMAKE_BINARY_DIR}' '${CMAKE_SOURCE_DIR}/scripts/run-folder' '${program_run_folder}'")
set_tests_properties(app_program_run_folder PROPERTIES FIXTURES_SETUP app_program_run_folder)
vamire_add_test(app_program_test FOREGROUND SOURCES program_test.cpp LIBS vamire_runtime)
vamire_add_test(app_program_nogdiplus_test FOREGROUND NO_GDIPLUS SOURCES program_test.cpp LIBS vamire_runtime)
foreach(test app_program_test app_program_nogdiplus_test)
  target_compile_definitions(${test} PRIVATE VAMIRE_RUN_FOLDER="${program_run_folder}")
  add_dependencies(${test} Vamire)
  set_tests_properties(${test} PROPERTIES FIXTURES_REQUIRED app_program_run_folder)
endforeach()
