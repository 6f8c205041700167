# Cross-compiling for Windows with the mingw-w64 GCC for i686 (Debian: g++-mingw-w64-i686).
set(CMAKE_SYSTEM_PROCESSOR i686)

set(KEYLOOM_MINGW_TRIPLE i686-w64-mingw32)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-w64-common.cmake)

# 32-bit programs cannot run on every build machine (Wine needs a 32-bit capable kernel), so
# test cases are listed when the tests run rather than right after linking.
set(CMAKE_GTEST_DISCOVER_TESTS_DISCOVERY_MODE PRE_TEST)
