# The main window: streamed from its form file, loaded from the settings
# file, its grid, roles, language, skins and its look in both languages.
foreach(t mainwindow_test)
  vamire_add_test(app_${t} FOREGROUND BOTH_PREFIXES SOURCES ${t}.cpp LIBS vamire_app)
  if(TARGET app_${t})
    target_compile_definitions(app_${t} PRIVATE VAMIRE_ALL_SKINS_FILE=L"${VAMIRE_SKINS_DIR}/AllSkins.skinres")
    add_dependencies(app_${t} vamire_all_skins)
  endif()
endforeach()
# Splices with the real pointer and keys, against the device peer.
vamire_add_test(app_mainwindow_splice_test DEVICE FOREGROUND SOURCES mainwindow_splice_test.cpp LIBS vamire_app)
if(TARGET app_mainwindow_splice_test)
  target_compile_definitions(app_mainwindow_splice_test PRIVATE
    VAMIRE_ALL_SKINS_FILE=L"${VAMIRE_SKINS_DIR}/AllSkins.skinres")
  add_dependencies(app_mainwindow_splice_test vamire_all_skins)
endif()
# The grid, roles, language toggle and debug gesture, with real keys.
vamire_add_test(app_mainwindow_grid_test FOREGROUND SOURCES mainwindow_grid_test.cpp LIBS vamire_app)
if(TARGET app_mainwindow_grid_test)
  target_compile_definitions(app_mainwindow_grid_test PRIVATE
    VAMIRE_ALL_SKINS_FILE=L"${VAMIRE_SKINS_DIR}/AllSkins.skinres")
  add_dependencies(app_mainwindow_grid_test vamire_all_skins)
endif()
# Without GDI+ no skin registers: the window starts in its non-skin look and splices.
vamire_add_test(app_mainwindow_splice_nogdiplus_test DEVICE FOREGROUND NO_GDIPLUS
  SOURCES mainwindow_splice_test.cpp LIBS vamire_app)
if(TARGET app_mainwindow_splice_nogdiplus_test)
  target_compile_definitions(app_mainwindow_splice_nogdiplus_test PRIVATE
    VAMIRE_ALL_SKINS_FILE=L"${VAMIRE_SKINS_DIR}/AllSkins.skinres")
  add_dependencies(app_mainwindow_splice_nogdiplus_test vamire_all_skins)
endif()
