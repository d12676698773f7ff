# Cross-compiling for 64-bit Windows on Debian with mingw-w64 (packages
# g++-mingw-w64-x86-64 and, for the tests, wine64):
#   cmake -S . -B build-windows -G Ninja -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake
# scripts/build-windows.sh does this.

set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

# The posix thread model, so that std::thread and std::mutex exist.
set(VORTEX_MINGW_TRIPLE x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${VORTEX_MINGW_TRIPLE}-gcc-posix)
set(CMAKE_CXX_COMPILER ${VORTEX_MINGW_TRIPLE}-g++-posix)
set(CMAKE_RC_COMPILER ${VORTEX_MINGW_TRIPLE}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${VORTEX_MINGW_TRIPLE})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# The C and C++ runtimes and winpthreads linked in: the programs need only
# the DLLs every Windows has.
set(CMAKE_EXE_LINKER_FLAGS_INIT -static)

# CTest runs the programs it built under Wine.
get_filename_component(VORTEX_WINE_RUN ${CMAKE_CURRENT_LIST_DIR}/../scripts/wine-run.sh ABSOLUTE)
set(CMAKE_CROSSCOMPILING_EMULATOR ${VORTEX_WINE_RUN})
