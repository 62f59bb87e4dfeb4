# A unit's list of streamed classes: registration and the defaults check, and
# the compile-time refusals (a listed class without a class object of its own
# or without a table, a table of a class not listed), each a compile that must
# fail beside one that must pass.
vamire_add_test(runtime_streamed_classes_test PURE SOURCES streamed_classes_test.cpp LIBS vamire_runtime_pure)
# Each refusal must come from its own check, not from some other error.
set(refusal_1 "needs a class object of its own")
set(refusal_2 "incomplete type.*TStreamedTable")
set(refusal_3 "not in the unit's list")
foreach(omit 0 1 2 3)
  add_test(NAME runtime_streamed_classes_compile_${omit}
    COMMAND ${CMAKE_CXX_COMPILER} -std=c++20 -fsyntax-only -I${CMAKE_SOURCE_DIR}/runtime -DOMIT=${omit}
      ${CMAKE_CURRENT_SOURCE_DIR}/streamed_classes_compile.cpp)
  if(NOT omit EQUAL 0)
    set_tests_properties(runtime_streamed_classes_compile_${omit} PROPERTIES PASS_REGULAR_EXPRESSION "${refusal_${omit}}")
  endif()
endforeach()
