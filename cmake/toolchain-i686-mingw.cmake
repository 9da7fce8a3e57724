# Cross toolchain: 32-bit Windows through mingw-w64 (win32 thread model, so no
# libwinpthread is dragged in).
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR i686)

set(_triple i686-w64-mingw32)
set(CMAKE_C_COMPILER   ${_triple}-gcc-win32)
set(CMAKE_CXX_COMPILER ${_triple}-g++-win32)
set(CMAKE_RC_COMPILER  ${_triple}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${_triple})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
