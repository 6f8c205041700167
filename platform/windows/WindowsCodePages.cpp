#include "platform/windows/WindowsCodePages.h"

#include <windows.h>

#include <climits>
#include <string>

namespace keyloom {

WindowsCodePages::WindowsCodePages()
    : ansi_(static_cast<CodePage>(::GetACP())), oem_(static_cast<CodePage>(::GetOEMCP())) {}

std::u16string WindowsCodePages::Decode(std::string_view bytes, CodePage page) const {
  if (bytes.empty()) return std::u16string();
  if (bytes.size() > static_cast<std::size_t>(INT_MAX)) return std::u16string(bytes.size(), 0xFFFD);
  const int in_size = static_cast<int>(bytes.size());
  const int needed = ::MultiByteToWideChar(page, 0, bytes.data(), in_size, nullptr, 0);
  if (needed <= 0) return std::u16string(bytes.size(), 0xFFFD);
  std::wstring wide(static_cast<std::size_t>(needed), L'\0');
  const int written = ::MultiByteToWideChar(page, 0, bytes.data(), in_size, wide.data(), needed);
  if (written <= 0) return std::u16string(bytes.size(), 0xFFFD);
  return std::u16string(wide.begin(), wide.begin() + written);
}

std::string WindowsCodePages::Encode(std::u16string_view text, CodePage page) const {
  if (text.empty()) return std::string();
  if (text.size() > static_cast<std::size_t>(INT_MAX)) return std::string(text.size(), '?');
  const std::wstring wide(text.begin(), text.end());
  const int in_size = static_cast<int>(wide.size());
  const int needed =
      ::WideCharToMultiByte(page, 0, wide.data(), in_size, nullptr, 0, nullptr, nullptr);
  if (needed <= 0) return std::string(text.size(), '?');
  std::string out(static_cast<std::size_t>(needed), '\0');
  const int written =
      ::WideCharToMultiByte(page, 0, wide.data(), in_size, out.data(), needed, nullptr, nullptr);
  if (written <= 0) return std::string(text.size(), '?');
  out.resize(static_cast<std::size_t>(written));
  return out;
}

}  // namespace keyloom
