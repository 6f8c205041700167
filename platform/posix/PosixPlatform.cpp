// The POSIX side of the platform interface.
#include <execinfo.h>
#include <langinfo.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <clocale>
#include <cstdlib>
#include <cstring>

#include "platform/NativePlatform.h"
#include "platform/ProcessPlatform.h"
#include "platform/posix/ElfVersionInfo.h"
#include "platform/posix/PosixCodePages.h"

namespace keyloom {
namespace {

// What the program uses of its own path: the Windows API hands out at most this many.
constexpr std::size_t kMaxPathUsed = 255;

class FdSink final : public ByteSink {
 public:
  explicit FdSink(int fd) : fd_(fd) {}
  void WriteAll(std::string_view bytes) override {
    const char* p = bytes.data();
    std::size_t left = bytes.size();
    while (left > 0) {
      const ssize_t n = ::write(fd_, p, left);
      if (n < 0 && errno == EINTR) continue;
      if (n <= 0) {
        EInOutError error(n < 0 ? std::strerror(errno) : "Write returned no progress");
        error.SetCallChain(CaptureCallChain());
        throw error;
      }
      p += n;
      left -= static_cast<std::size_t>(n);
    }
  }

 private:
  int fd_;
};

ByteString ReadOwnPath() {
  std::string buffer(4096, '\0');
  const ssize_t n = ::readlink("/proc/self/exe", buffer.data(), buffer.size());
  if (n <= 0) return ByteString();
  buffer.resize(static_cast<std::size_t>(n));
  if (buffer.size() > kMaxPathUsed) buffer.resize(kMaxPathUsed);
  return ByteString(std::move(buffer), kAnsiCodePage);
}

MonthNames ReadMonthNames() {
  static constexpr nl_item kItems[12] = {ABMON_1, ABMON_2, ABMON_3, ABMON_4,  ABMON_5,  ABMON_6,
                                         ABMON_7, ABMON_8, ABMON_9, ABMON_10, ABMON_11, ABMON_12};
  MonthNames names = EnglishMonthNames();
  // Only the categories the program reads are loaded: each costs file reads at start-up.
  if (std::setlocale(LC_TIME, "") == nullptr) return names;
  for (int i = 0; i < 12; ++i) {
    const char* text = nl_langinfo(kItems[i]);
    if (text != nullptr && *text != '\0') names[i] = ByteString(std::string(text), kAnsiCodePage);
  }
  return names;
}

class PosixPlatform final : public ProcessPlatform {
 public:
  PosixPlatform(int argc, char** argv) : PosixPlatform(argc, argv, PosixCodePages::FromLocale()) {}
  ~PosixPlatform() override { InstallCodePages(nullptr); }

  const CodePageSystem& CodePages() const override { return code_pages_; }
  bool FileExists(const ByteString& path) const override {
    struct stat st {};
    return ::stat(path.Bytes().c_str(), &st) == 0 && !S_ISDIR(st.st_mode);
  }
  std::unique_ptr<TFileVersionInfo> CreateFileVersionInfo() const override {
    return MakeElfVersionInfo(OwnExecutablePath());
  }
  [[noreturn]] void Exit(int code) override { std::exit(code); }

 private:
  // A terminal shows the locale's character set, so the console page is the ANSI one.
  PosixPlatform(int argc, char** argv, PosixCodePages code_pages)
      : ProcessPlatform(argc, argv,
                        {static_cast<std::uint32_t>(::getpid()), ReadOwnPath(), ReadMonthNames(),
                         code_pages.AnsiCodePage(), "\n"},
                        std::make_unique<FdSink>(STDOUT_FILENO),
                        std::make_unique<FdSink>(STDERR_FILENO)),
        code_pages_(code_pages) {
    InstallCodePages(&code_pages_);
  }

  PosixCodePages code_pages_;
};

}  // namespace

std::unique_ptr<Platform> CreateNativePlatform(int argc, char** argv) {
  return std::make_unique<PosixPlatform>(argc, argv);
}

std::vector<std::uintptr_t> CaptureCallChain() {
  void* frames[64];
  const int n = ::backtrace(frames, 64);
  std::vector<std::uintptr_t> chain;
  for (int i = 1; i < n; ++i) chain.push_back(reinterpret_cast<std::uintptr_t>(frames[i]));
  return chain;
}

}  // namespace keyloom
