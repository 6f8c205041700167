# What both mingw-w64 toolchains share; the including file sets CMAKE_SYSTEM_PROCESSOR and
# KEYLOOM_MINGW_TRIPLE first. The programs are linked statically, so they need no DLL of the
# compiler's run-time.
set(CMAKE_SYSTEM_NAME Windows)

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
