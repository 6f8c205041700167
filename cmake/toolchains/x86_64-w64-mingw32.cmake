# Cross-compiling for Windows with the mingw-w64 GCC for x86_64 (Debian: g++-mingw-w64-x86-64).
# The programs are linked statically, so they need no DLL of the compiler's run-time.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(KEYLOOM_MINGW_TRIPLE x86_64-w64-mingw32)
# The POSIX thread model gives the complete C++ thread library; either model links statically.
find_program(CMAKE_CXX_COMPILER NAMES ${KEYLOOM_MINGW_TRIPLE}-g++-posix ${KEYLOOM_MINGW_TRIPLE}-g++
  REQUIRED)
find_program(CMAKE_C_COMPILER NAMES ${KEYLOOM_MINGW_TRIPLE}-gcc-posix ${KEYLOOM_MINGW_TRIPLE}-gcc
  REQUIRED)
find_program(CMAKE_RC_COMPILER NAMES ${KEYLOOM_MINGW_TRIPLE}-windres windres REQUIRED)

set(CMAKE_FIND_ROOT_PATH /usr/${KEYLOOM_MINGW_TRIPLE})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")

# Programs built here run on this machine under Wine, in a prefix inside the build folder;
# the tests and the discovery of their cases go through it.
set(CMAKE_CROSSCOMPILING_EMULATOR
  "${CMAKE_CURRENT_LIST_DIR}/../../tests/windows/run-under-wine.sh;${CMAKE_BINARY_DIR}/wine")
