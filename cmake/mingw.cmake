# Cross build for Windows with Debian's mingw-w64 (posix thread model: GoogleTest
# needs std::mutex), linked -static.  Included by mingw-i686.cmake and
# mingw-x86_64.cmake, which set ZEF_MINGW_ARCH (the compiler's machine) and
# ZEF_WINE_ARCH (the Wine prefix that runs it: win32 or win64).
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR ${ZEF_MINGW_ARCH})
set(ZEF_MINGW_TRIPLE ${ZEF_MINGW_ARCH}-w64-mingw32)

find_program(MINGW_CXX NAMES ${ZEF_MINGW_TRIPLE}-g++-posix REQUIRED)
find_program(MINGW_CC NAMES ${ZEF_MINGW_TRIPLE}-gcc-posix REQUIRED)
set(CMAKE_C_COMPILER ${MINGW_CC})
set(CMAKE_CXX_COMPILER ${MINGW_CXX})
set(CMAKE_RC_COMPILER ${ZEF_MINGW_TRIPLE}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${ZEF_MINGW_TRIPLE})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)

# Resource scripts are UTF-8 like the sources (-c names the code page windres
# reads them in; 932 would garble them), and their resources are Japanese
# (0x411).  The text is stored as Unicode and the "A" functions (LoadStringA,
# GetWindowTextA on a dialog) give it back in code page 932.
set(CMAKE_RC_FLAGS_INIT "-c 65001 -l 0x411")

set(CMAKE_EXE_LINKER_FLAGS_INIT "-static")
set(CMAKE_SHARED_LINKER_FLAGS_INIT "-static")

# CTest prefixes every test command with this runner (see cmake/wine-run);
# the prefix lives in the build folder.
set(CMAKE_CROSSCOMPILING_EMULATOR
    ${CMAKE_CURRENT_LIST_DIR}/wine-run --prefix ${CMAKE_BINARY_DIR}/wineprefix --arch ${ZEF_WINE_ARCH})
