# The Windows side of the platform interface, built with the Win32 API alone.
target_sources(keyloom_platform PRIVATE
  platform/windows/VersionResource.cpp
  platform/windows/WindowsCodePages.cpp
  platform/windows/WindowsPlatform.cpp
  platform/windows/WindowsVersionInfo.cpp)
# GetFileVersionInfo and VerQueryValue live in version.dll.
target_link_libraries(keyloom_platform PUBLIC version)
target_compile_definitions(keyloom_platform PRIVATE WIN32_LEAN_AND_MEAN NOMINMAX)
