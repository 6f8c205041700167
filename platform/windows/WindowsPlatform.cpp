// The Windows side of the platform interface.
#include <windows.h>

#include <string>
#include <vector>

#include "platform/NativePlatform.h"
#include "platform/ProcessPlatform.h"
#include "platform/windows/WindowsCodePages.h"
#include "platform/windows/WindowsVersionInfo.h"

namespace keyloom {
namespace {

// What the program uses of its own path.
constexpr std::size_t kMaxPathUsed = 255;
// The largest path the system hands out (with the "\\?\" form).
constexpr DWORD kPathBufferSize = 32768;
// WriteFile takes at most this many bytes in one call.
constexpr std::size_t kMaxWriteChunk = 1u << 30;

// The system's text for an error code, without its line end, or its number.
std::string SystemErrorText(DWORD error) {
  char* text = nullptr;
  const DWORD length = ::FormatMessageA(
      FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
      nullptr, error, 0, reinterpret_cast<char*>(&text), 0, nullptr);
  std::string message;
  if (length > 0 && text != nullptr) message.assign(text, length);
  if (text != nullptr) ::LocalFree(text);
  while (!message.empty() && (message.back() == '\n' || message.back() == '\r' ||
                              message.back() == ' ' || message.back() == '.')) {
    message.pop_back();
  }
  if (message.empty())
    message = "Windows error " + std::to_string(static_cast<unsigned long>(error));
  return message;
}

class HandleSink final : public ByteSink {
 public:
  explicit HandleSink(DWORD which) : which_(which) {}
  void WriteAll(std::string_view bytes) override {
    const HANDLE handle = ::GetStdHandle(which_);
    if (handle == INVALID_HANDLE_VALUE || handle == nullptr) {
      Raise(handle == nullptr ? "The standard stream is not open"
                              : SystemErrorText(::GetLastError()));
    }
    const char* p = bytes.data();
    std::size_t left = bytes.size();
    while (left > 0) {
      const DWORD chunk = static_cast<DWORD>(left < kMaxWriteChunk ? left : kMaxWriteChunk);
      DWORD written = 0;
      if (!::WriteFile(handle, p, chunk, &written, nullptr))
        Raise(SystemErrorText(::GetLastError()));
      if (written == 0) Raise("WriteFile wrote nothing");
      if (written > chunk) Raise("WriteFile reported more than it was given");
      p += written;
      left -= written;
    }
  }

 private:
  [[noreturn]] static void Raise(const std::string& message) {
    EInOutError error(message);
    error.SetCallChain(CaptureCallChain());
    throw error;
  }

  DWORD which_;
};

std::wstring WidePath(const ByteString& path) {
  const std::u16string wide = DecodeToUtf16(path.View(), path.Tag());
  return std::wstring(wide.begin(), wide.end());
}

ByteString ReadOwnPath() {
  std::string buffer(kPathBufferSize, '\0');
  const DWORD n = ::GetModuleFileNameA(nullptr, buffer.data(), kPathBufferSize);
  if (n == 0) return ByteString();
  buffer.resize(n < kPathBufferSize ? n : kPathBufferSize);
  if (buffer.size() > kMaxPathUsed) buffer.resize(kMaxPathUsed);
  return ByteString(std::move(buffer), kAnsiCodePage);
}

MonthNames ReadMonthNames() {
  static constexpr LCTYPE kItems[12] = {
      LOCALE_SABBREVMONTHNAME1,  LOCALE_SABBREVMONTHNAME2,  LOCALE_SABBREVMONTHNAME3,
      LOCALE_SABBREVMONTHNAME4,  LOCALE_SABBREVMONTHNAME5,  LOCALE_SABBREVMONTHNAME6,
      LOCALE_SABBREVMONTHNAME7,  LOCALE_SABBREVMONTHNAME8,  LOCALE_SABBREVMONTHNAME9,
      LOCALE_SABBREVMONTHNAME10, LOCALE_SABBREVMONTHNAME11, LOCALE_SABBREVMONTHNAME12};
  const LCID locale = ::GetUserDefaultLCID();
  MonthNames names = EnglishMonthNames();
  for (int i = 0; i < 12; ++i) {
    char text[128];
    const int n = ::GetLocaleInfoA(locale, kItems[i], text, sizeof text);
    // The count includes the closing NUL.
    if (n > 1)
      names[static_cast<std::size_t>(i)] = ByteString(std::string(text, n - 1), kAnsiCodePage);
  }
  return names;
}

CodePage ReadConsoleOutputCodePage() {
  const UINT page = ::GetConsoleOutputCP();
  return static_cast<CodePage>(page != 0 ? page : ::GetACP());
}

class WindowsPlatform final : public ProcessPlatform {
 public:
  WindowsPlatform(int argc, char** argv)
      : ProcessPlatform(argc, argv,
                        {static_cast<std::uint32_t>(::GetCurrentProcessId()), ReadOwnPath(),
                         ReadMonthNames(), ReadConsoleOutputCodePage(), "\r\n"},
                        std::make_unique<HandleSink>(STD_OUTPUT_HANDLE),
                        std::make_unique<HandleSink>(STD_ERROR_HANDLE)) {
    InstallCodePages(&code_pages_);
  }
  ~WindowsPlatform() override { InstallCodePages(nullptr); }

  const CodePageSystem& CodePages() const override { return code_pages_; }
  bool FileExists(const ByteString& path) const override {
    const std::wstring wide = WidePath(path);
    const DWORD attributes = ::GetFileAttributesW(wide.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES) return false;
    if ((attributes & FILE_ATTRIBUTE_REPARSE_POINT) == 0) {
      return (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
    }
    // A link: the attributes above are the link's own, so ask its target.
    const HANDLE file =
        ::CreateFileW(wide.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                      nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    BY_HANDLE_FILE_INFORMATION info{};
    const bool known = ::GetFileInformationByHandle(file, &info) != 0;
    ::CloseHandle(file);
    return known && (info.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
  }
  std::unique_ptr<TFileVersionInfo> CreateFileVersionInfo() const override {
    return MakeWindowsVersionInfo(OwnExecutablePath());
  }
  [[noreturn]] void Exit(int code) override { ::ExitProcess(static_cast<UINT>(code)); }

 private:
  WindowsCodePages code_pages_;
};

}  // namespace

std::unique_ptr<Platform> CreateNativePlatform(int argc, char** argv) {
  return std::make_unique<WindowsPlatform>(argc, argv);
}

std::vector<std::uintptr_t> CaptureCallChain() {
  void* frames[62];
  const USHORT n = ::RtlCaptureStackBackTrace(1, 62, frames, nullptr);
  std::vector<std::uintptr_t> chain;
  for (USHORT i = 0; i < n && frames[i] != nullptr; ++i) {
    chain.push_back(reinterpret_cast<std::uintptr_t>(frames[i]));
  }
  return chain;
}

}  // namespace keyloom
