#include "tests/support/FakePlatform.h"

#include <sys/stat.h>

#include <algorithm>
#include <stdexcept>

#ifdef _WIN32
#include "platform/windows/WindowsCodePages.h"
#else
#include "platform/posix/PosixCodePages.h"
#endif

namespace keyloom::testing {
namespace {

// The platform's own conversions, with `page` standing for both the ANSI and the OEM tag.
std::unique_ptr<CodePageSystem> MakeCodePages(CodePage page) {
#ifdef _WIN32
  return std::make_unique<WindowsCodePages>(page, page);
#else
  return std::make_unique<PosixCodePages>(page);
#endif
}

}  // namespace

void StringSink::WriteAll(std::string_view bytes) {
  if (fail) throw EInOutError("No space left on device");
  text += bytes;
}

void MemoryVersionInfo::ReadFileInfo() {
  if (!present_) throw EVersionInfoError("No version information");
}

ByteString MemoryVersionInfo::Value(const ByteString& key) const {
  constexpr std::size_t kMaxEntry = 255;
  for (const auto& [k, v] : entries_) {
    if (!SameTextAscii(k, key.View())) continue;
    const std::size_t room = k.size() < kMaxEntry ? kMaxEntry - k.size() - 1 : 0;
    return ByteString(v.substr(0, room), kAnsiCodePage);
  }
  return ByteString();
}

FakePlatform::FakePlatform(std::vector<std::string> arguments, std::uint32_t process_id)
    : args(std::move(arguments)),
      pid(process_id),
      code_pages_(MakeCodePages(kUtf8CodePage)),
      out_(out_sink_, kAnsiCodePage, "\n"),
      err_(err_sink_, kAnsiCodePage, "\n") {
  InstallCodePages(code_pages_.get());
}

FakePlatform::~FakePlatform() {
  InstallCodePages(nullptr);
}

ByteString FakePlatform::Argument(int index) const {
  if (index < 1 || index > ArgumentCount()) return ByteString();
  return ByteString(args[static_cast<std::size_t>(index - 1)], kAnsiCodePage);
}

bool FakePlatform::FileExists(const ByteString& path) const {
  if (use_real_files) {
    struct stat st {};
    return ::stat(path.Bytes().c_str(), &st) == 0 && !S_ISDIR(st.st_mode);
  }
  if (path.Bytes() == own_path) return true;
  return std::find(existing_files.begin(), existing_files.end(), path.Bytes()) !=
         existing_files.end();
}

std::unique_ptr<TFileVersionInfo> FakePlatform::CreateFileVersionInfo() const {
  ++version_readers_created;
  if (version_reader) return version_reader();
  return std::make_unique<MemoryVersionInfo>(version_entries);
}

void FakePlatform::Exit(int code) {
  throw std::runtime_error("Exit(" + std::to_string(code) + ")");
}

void FakePlatform::UseCodePage(CodePage page) {
  code_pages_ = MakeCodePages(page);
  InstallCodePages(code_pages_.get());
}

}  // namespace keyloom::testing
