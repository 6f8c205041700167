// The Windows reader of version resources, through ReadBuildInfo and on its own: fixture
// programs whose resources come from the same generator as keyloom.exe's, the test program's
// own resource, and agreement with what VerQueryValue finds.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "buildinfo/BuildInfo.h"
#include "platform/windows/VersionResource.h"
#include "platform/windows/WindowsVersionInfo.h"
#include "tests/support/FakePlatform.h"
#include "tests/windows/TestPaths.h"

namespace keyloom {
namespace {

using testing::FakePlatform;
using testing::FixturePath;

// A platform whose file test and reader are the real ones, for files other than its own.
void UseRealFiles(FakePlatform& platform) {
  platform.use_real_files = true;
  platform.version_reader = [] { return MakeWindowsVersionInfo(ByteString()); };
}

struct FixtureCase {
  const char* name;
  std::string file;  // in the fixture folder
  const char* program_name;
  const char* program_name_version;
  const char* file_name_version;
  const char* description;
  const char* copyright_line;
  const char* comments;
  bool loaded;
  const char* error;  // the standard-error line before the path, or ""
};

const std::string kLongAccented = [] {
  std::string text;
  // "comments=" and 246 accented letters make 255 characters (but 501 bytes in UTF-8).
  for (int i = 0; i < 246; ++i) text += "\xC3\xA9";
  return text;
}();

constexpr const char* kNotReadable = "Error obtaining version info from file: ";
constexpr const char* kMissing = "File does not exist: ";

class Fixtures : public ::testing::TestWithParam<FixtureCase> {};

// Texts arrive in the ANSI page, here UTF-8, so that they read as the values were written.
TEST_P(Fixtures, GiveTheFieldsAndFailures) {
  const FixtureCase& c = GetParam();
  FakePlatform platform;
  UseRealFiles(platform);
  const std::string path = c.file.empty() ? FixturePath(".") : FixturePath(c.file);
  TFileVersionInfoRec info;
  ReadBuildInfo(platform, ByteString(path, kAnsiCodePage), info);

  EXPECT_EQ(info.Loaded, c.loaded);
  EXPECT_EQ(info.ProgramName.Bytes(), c.program_name);
  EXPECT_EQ(info.ProgramNameVersion.Bytes(), c.program_name_version);
  EXPECT_EQ(info.FileNameVersion.Bytes(), c.file_name_version);
  EXPECT_EQ(info.FileDescription.Bytes(), c.description);
  EXPECT_EQ(info.CopyrightLine.Bytes(), c.copyright_line);
  EXPECT_EQ(info.Comments.Bytes(), c.comments);
  if (*c.error == '\0') {
    EXPECT_EQ(platform.Err(), "");
    EXPECT_EQ(platform.ExitCode(), 0);
  } else {
    EXPECT_EQ(platform.Err(), std::string(c.error) + path + "\n");
    EXPECT_EQ(platform.ExitCode(), 1);
  }
  EXPECT_EQ(platform.Out(), "");
}

INSTANTIATE_TEST_SUITE_P(
    Files, Fixtures,
    ::testing::Values(
        FixtureCase{"TranslationNamesTheSecondTable", "two-tables.exe", "TWO-TABLES",
                    "TWO-TABLES v3.1.4", "two-tables.exe v3.1.4.1", "Zweite Tabelle",
                    "Copyright \xC2\xA9 2024 Fixture", "Chosen by the translation", true, ""},
        FixtureCase{"NoTranslationTakesTheFirstTable", "first-table.exe", "FIRST-TABLE",
                    "FIRST-TABLE v5.6.", "first-table.exe v5.6..", "Erste", "Copyright Fixture",
                    kLongAccented.c_str(), true, ""},
        FixtureCase{"UnmatchedFirstTranslationTakesTheFirstTable", "unmatched-translation.exe",
                    "UNMATCHED-TRANSLATION", "UNMATCHED-TRANSLATION v6.0.0",
                    "unmatched-translation.exe v6.0.0.0", "Taken first", "Copyright ", "", true,
                    ""},
        FixtureCase{"QuotesAndBackslashesSurviveTheResourceScript", "quoted.exe", "QUOTED",
                    "QUOTED v1.2.3", "quoted.exe v1.2.3.4", "", "Copyright ",
                    "Say \"hi\" to C:\\Keyloom\\bin", true, ""},
        FixtureCase{"NoStringTable", "no-table.exe", "NO-TABLE", "", "", "", "", "", false,
                    kNotReadable},
        FixtureCase{"NoVersionResource", "no-resource.exe", "NO-RESOURCE", "", "", "", "", "",
                    false, kNotReadable},
        FixtureCase{"NotAProgram", "not-pe.txt", "NOT-PE", "", "", "", "", "", false, kNotReadable},
        FixtureCase{"ADirectory", "", "", "", "", "", "", "", false, kMissing},
        FixtureCase{"AMissingFile", "missing.exe", "", "", "", "", "", "", false, kMissing}),
    [](const ::testing::TestParamInfo<FixtureCase>& info) { return info.param.name; });

TEST(WindowsVersionInfo, DeliversTextsInTheAnsiCodePage) {
  FakePlatform platform;
  platform.UseCodePage(1252);
  UseRealFiles(platform);
  TFileVersionInfoRec info;
  ReadBuildInfo(platform, ByteString(FixturePath("two-tables.exe"), kAnsiCodePage), info);
  ASSERT_TRUE(info.Loaded);
  EXPECT_EQ(info.CopyrightLine.Bytes(), "Copyright \xA9 2024 Fixture");

  // The cut comes before the conversion: 255 characters, one byte each in 1252.
  ReadBuildInfo(platform, ByteString(FixturePath("first-table.exe"), kAnsiCodePage), info);
  ASSERT_TRUE(info.Loaded);
  EXPECT_EQ(info.Comments.Bytes(), std::string(246, '\xE9'));
}

TEST(WindowsVersionInfo, LooksUpKeysWithoutRegardToCaseAndGivesNothingForAnAbsentKey) {
  auto reader = MakeWindowsVersionInfo(ByteString());
  reader->SetFileName(ByteString(FixturePath("two-tables.exe"), kAnsiCodePage));
  reader->ReadFileInfo();
  EXPECT_EQ(reader->Value("companyNAME").Bytes(), "Fixture AG");
  EXPECT_EQ(reader->Value("ProductName").Bytes(), "");
  EXPECT_EQ(reader->Value("").Bytes(), "");

  reader->SetFileName(ByteString(FixturePath("quoted.exe"), kAnsiCodePage));
  reader->ReadFileInfo();
  EXPECT_EQ(reader->Value("empty").Bytes(), "");
  EXPECT_EQ(reader->Value("FileVersion").Bytes(), "1.2.3.4");
  EXPECT_EQ(reader->Value("CompanyName").Bytes(), "") << "entries of another file stay behind";
}

TEST(WindowsVersionInfo, ReadsTheRunningProgramsOwnResourceForItsOwnPath) {
  // The own path names no file at all: only the resource in memory can answer.
  const ByteString own("C:\\nowhere\\keyloom-test.exe");
  auto reader = MakeWindowsVersionInfo(own);
  reader->SetFileName(own);
  reader->ReadFileInfo();
  EXPECT_EQ(reader->Value("FileVersion").Bytes(), "0.0.7.0");
  EXPECT_EQ(reader->Value("FileDescription").Bytes(), "The test program's own resource");

  // Any other path is a file to read, this one missing.
  reader->SetFileName(ByteString("C:\\nowhere\\other.exe"));
  EXPECT_THROW(reader->ReadFileInfo(), EVersionInfoError);
}

TEST(WindowsVersionInfo, KeyloomExeCarriesTheVersionValues) {
  FakePlatform platform;
  UseRealFiles(platform);
  TFileVersionInfoRec info;
  ReadBuildInfo(platform, ByteString(testing::KeyloomBinaryPath(), kAnsiCodePage), info);
  ASSERT_TRUE(info.Loaded) << platform.Err();
  EXPECT_EQ(info.FileName.Bytes(), "keyloom.exe");
  EXPECT_EQ(info.ProgramName.Bytes(), "KEYLOOM");
  EXPECT_EQ(info.FileExt.Bytes(), ".exe");
  EXPECT_EQ(info.ProgramNameVersion.Bytes(),
            std::string("KEYLOOM v") + KEYLOOM_EXPECTED_THREE_PART_VERSION);
  EXPECT_EQ(info.FileNameVersion.Bytes(),
            std::string("keyloom.exe v") + KEYLOOM_EXPECTED_FILE_VERSION);
  EXPECT_EQ(info.FileDescription.Bytes(), KEYLOOM_EXPECTED_DESCRIPTION);
  EXPECT_EQ(info.CompanyName.Bytes(), KEYLOOM_EXPECTED_COMPANY);
  EXPECT_EQ(info.CopyrightLine.Bytes(), std::string("Copyright ") + KEYLOOM_EXPECTED_COPYRIGHT);
  EXPECT_EQ(info.Comments.Bytes(), KEYLOOM_EXPECTED_COMMENTS);
}

// The bytes of a file's version resource, as the version API hands them out.
std::vector<char> FileResource(const std::string& path) {
  DWORD ignored = 0;
  const DWORD size = ::GetFileVersionInfoSizeA(path.c_str(), &ignored);
  std::vector<char> buffer(size);
  if (size == 0 || !::GetFileVersionInfoA(path.c_str(), 0, size, buffer.data())) buffer.clear();
  return buffer;
}

std::u16string QueryText(std::vector<char>& resource, const std::u16string& sub_block) {
  const std::wstring wide(sub_block.begin(), sub_block.end());
  void* value = nullptr;
  UINT length = 0;
  if (!::VerQueryValueW(resource.data(), wide.c_str(), &value, &length) || value == nullptr) {
    return u"<absent>";
  }
  const auto* text = static_cast<const wchar_t*>(value);
  std::u16string out;
  for (UINT i = 0; i < length && text[i] != L'\0'; ++i)
    out.push_back(static_cast<char16_t>(text[i]));
  return out;
}

std::string Narrow(const std::u16string& text) {
  return std::string(text.begin(), text.end());
}

// Every table and entry the block reader lists is one VerQueryValue finds by its path, with
// the same value.
TEST(VersionResource, ListsWhatVerQueryValueFinds) {
  for (const char* file : {"two-tables.exe", "first-table.exe", "unmatched-translation.exe",
                           "quoted.exe", "keyloom-no-version.exe"}) {
    std::vector<char> resource = FileResource(FixturePath(file));
    if (std::string(file) == "keyloom-no-version.exe") {
      EXPECT_TRUE(resource.empty());
      continue;
    }
    ASSERT_FALSE(resource.empty()) << file;
    const auto tables = ReadVersionStringTables(std::string_view(resource.data(), resource.size()));
    ASSERT_FALSE(tables.empty()) << file;
    std::size_t entries = 0;
    for (const VersionStringTable& table : tables) {
      EXPECT_EQ(table.name.size(), 8u);
      for (const auto& [key, value] : table.entries) {
        ++entries;
        EXPECT_EQ(QueryText(resource, u"\\StringFileInfo\\" + table.name + u"\\" + key), value)
            << file << " " << Narrow(table.name) << " " << Narrow(key);
      }
    }
    EXPECT_GE(entries, 3u) << file;
  }
}

TEST(VersionResource, TheTablesOfTheFixturesInOrder) {
  std::vector<char> resource = FileResource(FixturePath("two-tables.exe"));
  const auto tables = ReadVersionStringTables(std::string_view(resource.data(), resource.size()));
  ASSERT_EQ(tables.size(), 2u);
  EXPECT_EQ(tables[0].name, u"040904B0");
  EXPECT_EQ(tables[1].name, u"040704e4");
  ASSERT_EQ(tables[1].entries.size(), 5u);
  EXPECT_EQ(tables[1].entries[4].first, u"Comments");
  EXPECT_EQ(tables[1].entries[3].second, u"Copyright \u00A9 2024 Fixture");
}

}  // namespace
}  // namespace keyloom
