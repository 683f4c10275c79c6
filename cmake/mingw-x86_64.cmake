# 64-bit Windows (x86_64): the same program for machines that cannot execute
# 32-bit code, run by a win64 Wine prefix.
set(ZEF_MINGW_ARCH x86_64)
set(ZEF_WINE_ARCH win64)
include(${CMAKE_CURRENT_LIST_DIR}/mingw.cmake)
