# The value layer: variant order and streams, value types, formats, masks and date words.
vamire_add_test(core_variants_test PURE SOURCES ${CMAKE_CURRENT_LIST_DIR}/variants_test.cpp LIBS vamire_core_pure)
vamire_add_test(core_datastorage_test PURE SOURCES ${CMAKE_CURRENT_LIST_DIR}/datastorage_test.cpp LIBS vamire_core_pure)
# The masks are checked by feeding them to the mask editor's expression engine.
vamire_add_test(core_formats_test PURE SOURCES ${CMAKE_CURRENT_LIST_DIR}/formats_test.cpp LIBS vamire_core_pure vamire_editors_pure)
vamire_add_test(core_formats_win_test SOURCES ${CMAKE_CURRENT_LIST_DIR}/formats_win_test.cpp LIBS vamire_core)
