#include "tests/windows/TestPaths.h"

#include <windows.h>

namespace keyloom::testing {
namespace {

std::string FullPath(std::string path) {
  for (char& c : path) {
    if (c == '/') c = '\\';
  }
  char buffer[MAX_PATH * 4];
  const DWORD n = ::GetFullPathNameA(path.c_str(), sizeof buffer, buffer, nullptr);
  if (n == 0 || n >= sizeof buffer) return path;
  return std::string(buffer, n);
}

}  // namespace

std::string TestProgramFolder() {
  char buffer[MAX_PATH * 4];
  const DWORD n = ::GetModuleFileNameA(nullptr, buffer, sizeof buffer);
  std::string path(buffer, n);
  const std::size_t slash = path.find_last_of("\\/");
  return slash == std::string::npos ? std::string(".") : path.substr(0, slash);
}

std::string FixturePath(const std::string& name) {
  return FullPath(TestProgramFolder() + "\\fixtures\\" + name);
}

std::string KeyloomBinaryPath() {
  return FullPath(TestProgramFolder() + "\\" + KEYLOOM_BINARY_FROM_TESTS);
}

}  // namespace keyloom::testing
