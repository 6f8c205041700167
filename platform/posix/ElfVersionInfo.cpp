#include "platform/posix/ElfVersionInfo.h"

#include <elf.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>
#include <utility>
#include <vector>

namespace keyloom {
namespace {

// What a version entry may hold in all, key and "=" included.
constexpr std::size_t kMaxEntryCharacters = 255;
// The running program, whatever name it was started by.
constexpr const char* kOwnExecutable = "/proc/self/exe";

constexpr std::string_view kBlockMagic = "KeyloomVersionInfo/1";
constexpr std::string_view kTranslationTag = "Translation";
constexpr std::string_view kTableTag = "StringTable";

[[noreturn]] void Fail(const std::string& what) {
  throw EVersionInfoError(what);
}

// Random access to the bytes of one file; every read must be complete.
class FileBytes {
 public:
  explicit FileBytes(const std::string& path) : fd_(::open(path.c_str(), O_RDONLY | O_CLOEXEC)) {
    if (fd_ < 0) Fail("Cannot open file");
    struct stat st {};
    if (::fstat(fd_, &st) != 0 || st.st_size < 0) Fail("Cannot read file");
    size_ = static_cast<std::uint64_t>(st.st_size);
  }
  ~FileBytes() {
    if (fd_ >= 0) ::close(fd_);
  }
  FileBytes(const FileBytes&) = delete;
  FileBytes& operator=(const FileBytes&) = delete;

  std::uint64_t Size() const { return size_; }

  std::string Read(std::uint64_t offset, std::uint64_t count) {
    if (offset > size_ || count > size_ - offset) Fail("Data lies beyond the end of the file");
    std::string bytes(static_cast<std::size_t>(count), '\0');
    std::size_t done = 0;
    while (done < bytes.size()) {
      const ssize_t n =
          ::pread(fd_, bytes.data() + done, bytes.size() - done, static_cast<off_t>(offset + done));
      if (n < 0 && errno == EINTR) continue;
      if (n <= 0) Fail("Cannot read file");
      done += static_cast<std::size_t>(n);
    }
    return bytes;
  }

 private:
  int fd_;
  std::uint64_t size_ = 0;
};

// Unsigned fields of the file's byte order, read from raw bytes.
class Fields {
 public:
  Fields(std::string_view bytes, bool big_endian) : bytes_(bytes), big_endian_(big_endian) {}

  template <typename T>
  T At(std::size_t offset) const {
    if (offset > bytes_.size() || sizeof(T) > bytes_.size() - offset) Fail("Truncated header");
    std::uint64_t value = 0;
    for (std::size_t i = 0; i < sizeof(T); ++i) {
      const std::size_t index = big_endian_ ? i : sizeof(T) - 1 - i;
      value = (value << 8) | static_cast<unsigned char>(bytes_[offset + index]);
    }
    return static_cast<T>(value);
  }

 private:
  std::string_view bytes_;
  bool big_endian_;
};

struct SectionHeader {
  std::uint32_t name = 0;
  std::uint32_t type = 0;
  std::uint64_t offset = 0;
  std::uint64_t size = 0;
  std::uint32_t link = 0;
};

// Layout of the header fields the reader needs, for one ELF class.
struct ElfLayout {
  std::size_t header_size;
  std::size_t shoff, shentsize, shnum, shstrndx;
  std::size_t section_header_size;
  std::size_t sh_name, sh_type, sh_offset, sh_size, sh_link;
  bool wide;  // offsets and sizes are 64-bit
};

constexpr ElfLayout kElf32{sizeof(Elf32_Ehdr),
                           offsetof(Elf32_Ehdr, e_shoff),
                           offsetof(Elf32_Ehdr, e_shentsize),
                           offsetof(Elf32_Ehdr, e_shnum),
                           offsetof(Elf32_Ehdr, e_shstrndx),
                           sizeof(Elf32_Shdr),
                           offsetof(Elf32_Shdr, sh_name),
                           offsetof(Elf32_Shdr, sh_type),
                           offsetof(Elf32_Shdr, sh_offset),
                           offsetof(Elf32_Shdr, sh_size),
                           offsetof(Elf32_Shdr, sh_link),
                           false};
constexpr ElfLayout kElf64{sizeof(Elf64_Ehdr),
                           offsetof(Elf64_Ehdr, e_shoff),
                           offsetof(Elf64_Ehdr, e_shentsize),
                           offsetof(Elf64_Ehdr, e_shnum),
                           offsetof(Elf64_Ehdr, e_shstrndx),
                           sizeof(Elf64_Shdr),
                           offsetof(Elf64_Shdr, sh_name),
                           offsetof(Elf64_Shdr, sh_type),
                           offsetof(Elf64_Shdr, sh_offset),
                           offsetof(Elf64_Shdr, sh_size),
                           offsetof(Elf64_Shdr, sh_link),
                           true};

// The contents of the section named `wanted`, found through the file's section headers.
std::string ReadElfSection(FileBytes& file, std::string_view wanted) {
  const std::string ident = file.Read(0, EI_NIDENT);
  if (std::memcmp(ident.data(), ELFMAG, SELFMAG) != 0) Fail("Not an ELF file");
  const ElfLayout* layout = nullptr;
  switch (ident[EI_CLASS]) {
    case ELFCLASS32:
      layout = &kElf32;
      break;
    case ELFCLASS64:
      layout = &kElf64;
      break;
    default:
      Fail("Unknown ELF class");
  }
  bool big_endian = false;
  switch (ident[EI_DATA]) {
    case ELFDATA2LSB:
      break;
    case ELFDATA2MSB:
      big_endian = true;
      break;
    default:
      Fail("Unknown ELF byte order");
  }

  const std::string header_bytes = file.Read(0, layout->header_size);
  const Fields header(header_bytes, big_endian);
  const std::uint64_t shoff = layout->wide ? header.At<std::uint64_t>(layout->shoff)
                                           : header.At<std::uint32_t>(layout->shoff);
  const std::uint16_t shentsize = header.At<std::uint16_t>(layout->shentsize);
  std::uint64_t shnum = header.At<std::uint16_t>(layout->shnum);
  std::uint32_t shstrndx = header.At<std::uint16_t>(layout->shstrndx);
  if (shoff == 0) Fail("The file has no section headers");
  if (shentsize < layout->section_header_size) Fail("Section headers too small");

  auto read_header = [&](std::uint64_t index) {
    const std::string bytes = file.Read(shoff + index * shentsize, shentsize);
    const Fields f(bytes, big_endian);
    SectionHeader h;
    h.name = f.At<std::uint32_t>(layout->sh_name);
    h.type = f.At<std::uint32_t>(layout->sh_type);
    h.offset = layout->wide ? f.At<std::uint64_t>(layout->sh_offset)
                            : f.At<std::uint32_t>(layout->sh_offset);
    h.size =
        layout->wide ? f.At<std::uint64_t>(layout->sh_size) : f.At<std::uint32_t>(layout->sh_size);
    h.link = f.At<std::uint32_t>(layout->sh_link);
    return h;
  };

  // Files with many sections keep the true count and string-table index in section 0.
  if (shnum == 0 || shstrndx == SHN_XINDEX) {
    const SectionHeader first = read_header(0);
    if (shnum == 0) shnum = first.size;
    if (shstrndx == SHN_XINDEX) shstrndx = first.link;
  }
  if (shnum == 0 || shnum > file.Size() / shentsize) Fail("Bad section count");
  if (shstrndx >= shnum) Fail("Bad section name table index");

  const SectionHeader names_header = read_header(shstrndx);
  if (names_header.type == SHT_NOBITS) Fail("Bad section name table");
  const std::string names = file.Read(names_header.offset, names_header.size);

  for (std::uint64_t i = 0; i < shnum; ++i) {
    const SectionHeader h = read_header(i);
    if (h.name >= names.size()) continue;
    const std::size_t end = names.find('\0', h.name);
    if (end == std::string::npos) continue;
    if (std::string_view(names).substr(h.name, end - h.name) != wanted) continue;
    if (h.type == SHT_NOBITS) Fail("The version section holds no data");
    return file.Read(h.offset, h.size);
  }
  Fail("No version information");
}

struct StringTable {
  std::string name;
  std::vector<std::pair<std::string, std::string>> entries;
};

struct VersionBlock {
  std::vector<std::string> translations;
  std::vector<StringTable> tables;
};

// The NUL-ended strings of a block, one after the other.
class BlockStrings {
 public:
  explicit BlockStrings(std::string_view bytes) : bytes_(bytes) {}
  std::string_view Next() {
    const std::size_t end = bytes_.find('\0', pos_);
    if (end == std::string_view::npos) Fail("Version block is cut short");
    const std::string_view s = bytes_.substr(pos_, end - pos_);
    pos_ = end + 1;
    return s;
  }

 private:
  std::string_view bytes_;
  std::size_t pos_ = 0;
};

VersionBlock ParseBlock(std::string_view bytes) {
  BlockStrings in(bytes);
  if (in.Next() != kBlockMagic) Fail("Not a version block");
  if (in.Next() != kTranslationTag) Fail("Version block without translation list");
  VersionBlock block;
  for (std::string_view t = in.Next(); !t.empty(); t = in.Next())
    block.translations.emplace_back(t);
  for (std::string_view tag = in.Next(); !tag.empty(); tag = in.Next()) {
    if (tag != kTableTag) Fail("Unknown part in version block");
    StringTable table;
    table.name = in.Next();
    for (std::string_view key = in.Next(); !key.empty(); key = in.Next()) {
      table.entries.emplace_back(std::string(key), std::string(in.Next()));
    }
    block.tables.push_back(std::move(table));
  }
  return block;
}

// The first `limit` characters of UTF-8 text; a character is a lead byte with its
// continuation bytes.
std::string FirstCharacters(const std::string& utf8, std::size_t limit) {
  std::size_t count = 0;
  for (std::size_t i = 0; i < utf8.size(); ++i) {
    const bool continuation = (static_cast<unsigned char>(utf8[i]) & 0xC0) == 0x80;
    if (!continuation && count++ == limit) return utf8.substr(0, i);
  }
  return utf8;
}

class ElfVersionInfo final : public TFileVersionInfo {
 public:
  explicit ElfVersionInfo(ByteString own_path) : own_path_(std::move(own_path)) {}

  void SetFileName(const ByteString& path) override { path_ = path; }

  void ReadFileInfo() override {
    entries_.clear();
    const bool own = !own_path_.Empty() && path_ == own_path_;
    FileBytes file(own ? std::string(kOwnExecutable) : path_.Bytes());
    const VersionBlock block = ParseBlock(ReadElfSection(file, kVersionSectionName));
    if (block.tables.empty()) Fail("No string table in the version information");

    const StringTable* chosen = &block.tables.front();
    if (!block.translations.empty()) {
      for (const StringTable& table : block.tables) {
        if (SameTextAscii(table.name, block.translations.front())) {
          chosen = &table;
          break;
        }
      }
    }
    for (const auto& [key, value] : chosen->entries) {
      const std::string entry = FirstCharacters(key + "=" + value, kMaxEntryCharacters);
      entries_.push_back(ByteString(entry, kUtf8CodePage).ConvertedTo(kAnsiCodePage));
    }
  }

  ByteString Value(const ByteString& key) const override { return FindEntryValue(entries_, key); }

 private:
  ByteString own_path_;
  ByteString path_;
  std::vector<ByteString> entries_;
};

}  // namespace

std::unique_ptr<TFileVersionInfo> MakeElfVersionInfo(const ByteString& own_path) {
  return std::make_unique<ElfVersionInfo>(own_path);
}

}  // namespace keyloom
