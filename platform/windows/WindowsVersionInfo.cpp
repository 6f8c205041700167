#include "platform/windows/WindowsVersionInfo.h"

#include <windows.h>

#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

#include "platform/windows/VersionResource.h"

namespace keyloom {
namespace {

// What one entry, "key=value", may hold in all.
constexpr std::size_t kMaxEntryCharacters = 255;
// The resource type and identifier of a program's version resource (RT_VERSION, 1).
constexpr WORD kVersionResourceType = 16;
constexpr WORD kVersionResourceId = 1;

[[noreturn]] void Fail(const std::string& message) {
  throw EVersionInfoError(message);
}

std::string ErrorSuffix(DWORD error) {
  return " (error " + std::to_string(static_cast<unsigned long>(error)) + ")";
}

// The running program's own version resource, copied out of its image. The copy has room
// to spare after the block, as a buffer from GetFileVersionInfo has, because VerQueryValue
// may use the space behind a block.
std::vector<char> ReadOwnResource() {
  HRSRC found = ::FindResourceW(nullptr, MAKEINTRESOURCEW(kVersionResourceId),
                                MAKEINTRESOURCEW(kVersionResourceType));
  if (found == nullptr) Fail("The program has no version resource" + ErrorSuffix(::GetLastError()));
  const DWORD size = ::SizeofResource(nullptr, found);
  HGLOBAL loaded = ::LoadResource(nullptr, found);
  const void* data = loaded != nullptr ? ::LockResource(loaded) : nullptr;
  if (data == nullptr || size == 0) {
    Fail("The program's version resource cannot be loaded" + ErrorSuffix(::GetLastError()));
  }
  const char* bytes = static_cast<const char*>(data);
  std::vector<char> copy(bytes, bytes + size);
  copy.resize(3 * static_cast<std::size_t>(size), '\0');
  return copy;
}

std::vector<char> ReadFileResource(const ByteString& path) {
  DWORD ignored = 0;
  const DWORD size = ::GetFileVersionInfoSizeA(path.Bytes().c_str(), &ignored);
  if (size == 0) Fail("The file has no version information" + ErrorSuffix(::GetLastError()));
  std::vector<char> buffer(size, '\0');
  if (!::GetFileVersionInfoA(path.Bytes().c_str(), 0, size, buffer.data())) {
    Fail("The file's version information cannot be read" + ErrorSuffix(::GetLastError()));
  }
  return buffer;
}

// The first pair of "\VarFileInfo\Translation" as "LLLLCCCC", empty when the list is absent
// or empty.
std::u16string FirstTranslation(std::vector<char>& resource) {
  void* value = nullptr;
  UINT length = 0;
  if (!::VerQueryValueW(resource.data(), L"\\VarFileInfo\\Translation", &value, &length) ||
      value == nullptr || length < 4) {
    return std::u16string();
  }
  const auto* pair = static_cast<const unsigned char*>(value);
  const unsigned language = pair[0] | (pair[1] << 8);
  const unsigned code_page = pair[2] | (pair[3] << 8);
  char text[9];
  std::snprintf(text, sizeof text, "%04X%04X", language, code_page);
  return std::u16string(text, text + 8);
}

bool SameNameNoCase(std::u16string_view a, std::u16string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    char16_t x = a[i];
    char16_t y = b[i];
    if (x >= u'a' && x <= u'z') x = static_cast<char16_t>(x - 32);
    if (y >= u'a' && y <= u'z') y = static_cast<char16_t>(y - 32);
    if (x != y) return false;
  }
  return true;
}

class WindowsVersionInfo final : public TFileVersionInfo {
 public:
  explicit WindowsVersionInfo(ByteString own_path) : own_path_(std::move(own_path)) {}

  void SetFileName(const ByteString& path) override { path_ = path; }

  void ReadFileInfo() override {
    entries_.clear();
    const bool own = !own_path_.Empty() && path_ == own_path_;
    std::vector<char> resource = own ? ReadOwnResource() : ReadFileResource(path_);
    const std::vector<VersionStringTable> tables =
        ReadVersionStringTables(std::string_view(resource.data(), resource.size()));
    if (tables.empty()) Fail("No string table in the version information");

    const std::u16string translation = FirstTranslation(resource);
    const VersionStringTable* chosen = &tables.front();
    if (!translation.empty()) {
      for (const VersionStringTable& table : tables) {
        if (SameNameNoCase(table.name, translation)) {
          chosen = &table;
          break;
        }
      }
    }
    for (const auto& [key, value] : chosen->entries) {
      std::u16string entry = key + u"=" + value;
      if (entry.size() > kMaxEntryCharacters) entry.resize(kMaxEntryCharacters);
      entries_.emplace_back(EncodeFromUtf16(entry, kAnsiCodePage), kAnsiCodePage);
    }
  }

  ByteString Value(const ByteString& key) const override { return FindEntryValue(entries_, key); }

 private:
  ByteString own_path_;
  ByteString path_;
  std::vector<ByteString> entries_;
};

}  // namespace

std::unique_ptr<TFileVersionInfo> MakeWindowsVersionInfo(const ByteString& own_path) {
  return std::make_unique<WindowsVersionInfo>(own_path);
}

}  // namespace keyloom
