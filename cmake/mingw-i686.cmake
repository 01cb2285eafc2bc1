# The release program: 32-bit Windows, built with MinGW-w64 on Linux.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR i686)
set(CMAKE_CXX_COMPILER i686-w64-mingw32-g++)
set(CMAKE_RC_COMPILER i686-w64-mingw32-windres)
# The objects are LTO code: the archive CMake gathers them in is made by
# GCC's wrapper of ar, which loads the compiler's own LTO plugin.
set(CMAKE_AR i686-w64-mingw32-gcc-ar)
