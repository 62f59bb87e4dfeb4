# The start-up window's animation and the program body's windows.
vamire_add_test(app_startup_test SOURCES startup_test.cpp LIBS vamire_app)
if(TARGET app_startup_test)
  target_compile_definitions(app_startup_test PRIVATE VAMIRE_SKIN_FILE="$<TARGET_FILE_DIR:Vamire>/AllSkins.skinres")
  add_dependencies(app_startup_test Vamire)
endif()
