# The subtitle's, special shape's and play mode's window-free rules.
vamire_add_test(app_subtitles_core_test PURE SOURCES subtitles_core_test.cpp LIBS vamire_app_pure)
# The subtitle windows from their form files, with fired ticks and the real pointer.
vamire_add_test(app_subtitle_windows_test FOREGROUND BOTH_PREFIXES SOURCES subtitle_windows_test.cpp LIBS vamire_app)
if(TARGET app_subtitle_windows_test)
  include(${CMAKE_SOURCE_DIR}/tools/formconv/VamireForms.cmake)
  vamire_add_forms(app_subtitle_windows_test ${CMAKE_SOURCE_DIR}/resources/forms/uLEDDisplay.dfm
    ${CMAKE_SOURCE_DIR}/resources/forms/Unit19.dfm)
endif()
