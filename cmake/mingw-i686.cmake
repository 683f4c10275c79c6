# 32-bit Windows (i686): the product, run by a win32 Wine prefix.
set(ZEF_MINGW_ARCH i686)
set(ZEF_WINE_ARCH win32)
include(${CMAKE_CURRENT_LIST_DIR}/mingw.cmake)
