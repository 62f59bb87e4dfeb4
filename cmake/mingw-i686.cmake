# The 32-bit Windows program: the product.
set(VAMIRE_TARGET_CPU i686)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-common.cmake)
