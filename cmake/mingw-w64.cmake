# Cross-building for 64-bit Windows with Debian's mingw-w64, the programs and tests run under wine:
#   cmake -S . -B build-windows -G Ninja -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64.cmake
# scripts/test-windows does that, installs what is missing and runs the tests.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(mingw_triple x86_64-w64-mingw32)
# The posix flavour of the compiler: its standard library is whole, std::thread and std::mutex included,
# which the win32 flavour of GCC 12 leaves out (std::filesystem works in both). GoogleTest needs the C
# compiler too.
set(CMAKE_C_COMPILER ${mingw_triple}-gcc-posix)
set(CMAKE_CXX_COMPILER ${mingw_triple}-g++-posix)
set(CMAKE_RC_COMPILER ${mingw_triple}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${mingw_triple})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# libgcc, libstdc++ and winpthread linked in, so that each .exe runs alone, with no DLL to copy beside it.
set(CMAKE_EXE_LINKER_FLAGS_INIT -static)

# ctest and the test discovery run the .exe files through wine. Debian keeps the 64-bit loader out of
# the PATH; /usr/bin/wine (from the wine package) is a script that ends up at the same place.
if(NOT CMAKE_CROSSCOMPILING_EMULATOR)
    find_program(CORVANE_WINE NAMES wine64 wine PATHS /usr/lib/wine NO_CMAKE_FIND_ROOT_PATH)
    if(CORVANE_WINE)
        set(CMAKE_CROSSCOMPILING_EMULATOR ${CORVANE_WINE})
    endif()
endif()
