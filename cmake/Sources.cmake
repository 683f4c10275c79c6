# Source discovery.  Win32-only code lives in win32/ folders and POSIX-only code
# in posix/ folders, at any depth; each is built only for its own platform.
# Paths are matched relative to the folder searched, so the folders above the
# checkout (a checkout under some ".../win32/...") never change what is built.

# zef_select_sources(OUT BASE FILE...): the FILEs (absolute, below BASE) that
# belong to this build.  With ONLY_WIN32, just those inside a win32/ folder;
# with NO_WIN32, none of those.
function(zef_select_sources out base)
  cmake_parse_arguments(ARG "ONLY_WIN32;NO_WIN32" "" "" ${ARGN})
  set(kept)
  foreach(file IN LISTS ARG_UNPARSED_ARGUMENTS)
    file(RELATIVE_PATH rel ${base} ${file})
    set(in_win32 OFF)
    if(rel MATCHES "(^|/)win32/")
      set(in_win32 ON)
    endif()
    if(rel MATCHES "(^|/)posix/" AND WIN32)
      continue()
    endif()
    if(in_win32 AND (ARG_NO_WIN32 OR NOT WIN32))
      continue()
    endif()
    if(NOT in_win32 AND ARG_ONLY_WIN32)
      continue()
    endif()
    list(APPEND kept ${file})
  endforeach()
  set(${out} ${kept} PARENT_SCOPE)
endfunction()

# Portable code: every .cpp below DIR outside a win32/ folder.
function(zef_portable_sources out dir)
  file(GLOB_RECURSE files CONFIGURE_DEPENDS ${dir}/*.cpp)
  zef_select_sources(files ${dir} ${files} NO_WIN32)
  set(${out} ${files} PARENT_SCOPE)
endfunction()

# The Win32 layer: every .cpp in a win32/ folder below DIR (none outside Windows).
function(zef_win32_sources out dir)
  file(GLOB_RECURSE files CONFIGURE_DEPENDS ${dir}/*.cpp)
  zef_select_sources(files ${dir} ${files} ONLY_WIN32)
  set(${out} ${files} PARENT_SCOPE)
endfunction()
