# Source discovery.  Portable code lives anywhere under src/ outside a win32/
# folder; Win32-only code lives in win32/ folders and is built for Windows only.
function(zef_portable_sources out dir)
  file(GLOB_RECURSE files CONFIGURE_DEPENDS ${dir}/*.cpp)
  list(FILTER files EXCLUDE REGEX "/win32/")
  set(${out} ${files} PARENT_SCOPE)
endfunction()

function(zef_win32_sources out dir)
  set(files)
  if(WIN32)
    file(GLOB_RECURSE files CONFIGURE_DEPENDS ${dir}/win32/*.cpp ${dir}/*/win32/*.cpp)
    list(REMOVE_DUPLICATES files)
  endif()
  set(${out} ${files} PARENT_SCOPE)
endfunction()
