# Cross-compiling for Windows with the mingw-w64 GCC for i686 (Debian: g++-mingw-w64-i686).
# The programs are linked statically, so they need no DLL of the compiler's run-time.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR i686)

set(KEYLOOM_MINGW_TRIPLE i686-w64-mingw32)
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

# 32-bit programs cannot run on every build machine (Wine needs a 32-bit capable kernel), so
# test cases are listed when the tests run rather than right after linking.
set(CMAKE_GTEST_DISCOVER_TESTS_DISCOVERY_MODE PRE_TEST)
