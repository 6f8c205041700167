# Cross-compiling for Windows with the mingw-w64 GCC for x86_64 (Debian: g++-mingw-w64-x86-64).
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(KEYLOOM_MINGW_TRIPLE x86_64-w64-mingw32)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-w64-common.cmake)

# Programs built here run on this machine under Wine, in a prefix inside the build folder;
# the tests and the discovery of their cases go through it.
set(CMAKE_CROSSCOMPILING_EMULATOR
  "${CMAKE_CURRENT_LIST_DIR}/../../tests/windows/run-under-wine.sh;${CMAKE_BINARY_DIR}/wine")
