# Cross build for 64-bit Windows with Debian's MinGW-w64 compilers (g++-mingw-w64-x86-64-posix),
# with the tests run under Wine (wine64):
#   cmake -S . -B build-windows --toolchain cmake/mingw-w64.cmake
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(TEVLIN_MINGW x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${TEVLIN_MINGW}-gcc-posix)
set(CMAKE_CXX_COMPILER ${TEVLIN_MINGW}-g++-posix)

set(CMAKE_FIND_ROOT_PATH /usr/${TEVLIN_MINGW})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# Every program links the compiler's run-time libraries statically, so that it needs no DLL
# beside it, on Windows as under Wine.
set(CMAKE_EXE_LINKER_FLAGS_INIT -static)

# Debian installs the loader outside PATH. Without WINEDEBUG, Wine prints its own notes on
# standard error, which the tests read.
find_program(TEVLIN_WINE64 wine64 PATHS /usr/lib/wine NO_CMAKE_FIND_ROOT_PATH)
if(TEVLIN_WINE64)
  set(CMAKE_CROSSCOMPILING_EMULATOR env WINEDEBUG=-all ${TEVLIN_WINE64})
endif()
