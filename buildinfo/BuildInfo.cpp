#include "buildinfo/BuildInfo.h"

#include <array>
#include <string_view>

namespace keyloom {
namespace {

// What the program uses of its own path, as the Windows API hands it out.
constexpr std::size_t kMaxOwnPath = 255;

bool IsPathSeparator(char c) {
  return c == '/' || c == '\\';
}
bool IsNameBoundary(char c) {
  return IsPathSeparator(c) || c == ':';
}

// Index just after the last "/", "\" or ":", 0 when there is none.
std::size_t NameStart(std::string_view path) {
  std::size_t i = path.size();
  while (i > 0 && !IsNameBoundary(path[i - 1])) --i;
  return i;
}

ByteString FileNamePart(const ByteString& path) {
  return path.Sub(NameStart(path.View()));
}

// The directory without its trailing separator, except where that separator is all there
// is of a root ("D:\", "\").
ByteString DirectoryPart(const ByteString& path) {
  const std::string_view p = path.View();
  std::size_t count = NameStart(p);  // characters up to and including the last boundary
  if (count >= 2 && IsPathSeparator(p[count - 1]) && !IsNameBoundary(p[count - 2])) --count;
  return path.Sub(0, count);
}

// The last "." of the name and what follows it; a dot that begins a name starts no extension.
ByteString ExtensionPart(const ByteString& path) {
  const std::string_view p = path.View();
  std::size_t i = p.size();
  while (i > 0 && p[i - 1] != '.' && !IsNameBoundary(p[i - 1])) --i;
  if (i == 0 || p[i - 1] != '.') return ByteString();
  const std::size_t dot = i - 1;
  if (dot == 0 || IsPathSeparator(p[dot - 1])) return ByteString();
  return path.Sub(dot);
}

// The first four "."-separated fields of a version text; missing ones are empty.
std::array<ByteString, 4> VersionParts(const ByteString& version) {
  std::array<ByteString, 4> parts;
  const std::string_view v = version.View();
  std::size_t start = 0;
  for (ByteString& part : parts) {
    if (start > v.size()) break;
    std::size_t end = v.find('.', start);
    if (end == std::string_view::npos) end = v.size();
    part = version.Sub(start, end - start);
    start = end + 1;
  }
  return parts;
}

}  // namespace

void ReadBuildInfo(Platform& platform, const ByteString& path, TFileVersionInfoRec& info) {
  info.ProgramNameVersion = ByteString();
  info.FileNameVersion = ByteString();
  info.FileDescription = ByteString();
  info.CompanyName = ByteString();
  info.CopyrightLine = ByteString();
  info.Comments = ByteString();
  info.Unused15 = ByteString();
  info.Loaded = false;

  const ByteString used_path =
      path.Empty() ? platform.OwnExecutablePath().Sub(0, kMaxOwnPath) : path;
  if (!platform.FileExists(used_path)) {
    platform.StandardError().Write("File does not exist: ").Line(used_path);
    platform.SetExitCode(1);
    return;
  }

  const std::unique_ptr<TFileVersionInfo> reader = platform.CreateFileVersionInfo();
  info.FileDir = DirectoryPart(used_path);
  info.FileExt = ExtensionPart(used_path);
  info.FileName = FileNamePart(used_path);
  info.ProgramName = UpperAscii(ReplaceAllAsciiNoCase(info.FileName, info.FileExt.View(), ""));

  try {
    reader->SetFileName(used_path);
    reader->ReadFileInfo();
    const std::array<ByteString, 4> parts = VersionParts(reader->Value("FileVersion"));
    const ByteString three_part = parts[0] + "." + parts[1] + "." + parts[2];
    const ByteString four_part = three_part + "." + parts[3];
    info.FileNameVersion = info.FileName + " v" + four_part;
    info.ProgramNameVersion = info.ProgramName + " v" + three_part;
    info.FileDescription = reader->Value("FileDescription");
    info.CompanyName = reader->Value("CompanyName");
    info.Comments = reader->Value("Comments");
    info.CopyrightLine =
        ReplaceAllAsciiNoCase(ByteString("Copyright ") + reader->Value("LegalCopyright"),
                              "Copyright Copyright ", "Copyright ");
    info.Loaded = true;
  } catch (const Exception&) {
    // The reader's own message is not shown; the line names the file.
    platform.StandardError().Write("Error obtaining version info from file: ").Line(used_path);
    platform.SetExitCode(1);
  }
}

}  // namespace keyloom
