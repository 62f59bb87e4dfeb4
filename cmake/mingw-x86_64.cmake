# 64-bit Windows, for machines that cannot run the 32-bit Wine.
set(VAMIRE_TARGET_CPU x86_64)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-common.cmake)
