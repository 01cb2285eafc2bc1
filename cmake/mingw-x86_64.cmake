# The same program for x86_64 Windows: the one the end-to-end tests run.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(CMAKE_CXX_COMPILER x86_64-w64-mingw32-g++)
set(CMAKE_RC_COMPILER x86_64-w64-mingw32-windres)
# The objects are LTO code: the archive CMake gathers them in is made by
# GCC's wrapper of ar, which loads the compiler's own LTO plugin.
set(CMAKE_AR x86_64-w64-mingw32-gcc-ar)
