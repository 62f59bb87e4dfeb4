# The 32-bit Windows program: the product.
set(VAMIRE_TARGET_CPU i686)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-common.cmake)
# Floating point in SSE registers: x87's wider intermediates made two computations of
# one value compare unequal (a value kept in a register against its stored copy).
set(CMAKE_C_FLAGS_INIT "-msse2 -mfpmath=sse")
set(CMAKE_CXX_FLAGS_INIT "-msse2 -mfpmath=sse")
