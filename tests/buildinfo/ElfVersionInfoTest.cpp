// ReadBuildInfo through the ELF reader, against fixture files built beside this test: which
// string table it takes, how it refuses files without version information, and what it
// makes of the entries.
#include <unistd.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "buildinfo/BuildInfo.h"
#include "platform/posix/ElfVersionInfo.h"
#include "tests/support/FakePlatform.h"

namespace keyloom {
namespace {

using testing::FakePlatform;

const std::string kFixtures = KEYLOOM_FIXTURE_DIR;

// A platform whose file test and reader are the real ones, for files other than its own.
void UseRealFiles(FakePlatform& platform) {
  platform.use_real_files = true;
  platform.version_reader = [] { return MakeElfVersionInfo(ByteString()); };
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
  // "comments=" and 246 accented letters make 255 characters (but 501 bytes).
  for (int i = 0; i < 246; ++i) text += "é";
  return text;
}();

class Fixtures : public ::testing::TestWithParam<FixtureCase> {};

TEST_P(Fixtures, GiveTheFieldsAndFailures) {
  const FixtureCase& c = GetParam();
  FakePlatform platform;
  UseRealFiles(platform);
  const std::string path = kFixtures + "/" + c.file;
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

constexpr const char* kNotReadable = "Error obtaining version info from file: ";
constexpr const char* kMissing = "File does not exist: ";

INSTANTIATE_TEST_SUITE_P(
    Files, Fixtures,
    ::testing::Values(
        FixtureCase{"TranslationNamesTheSecondTable", "two-tables.elf", "TWO-TABLES",
                    "TWO-TABLES v3.1.4", "two-tables.elf v3.1.4.1", "Zweite Tabelle",
                    "Copyright © 2024 Fixture", "Chosen by the translation", true, ""},
        FixtureCase{"NoTranslationTakesTheFirstTable", "first-table.elf", "FIRST-TABLE",
                    "FIRST-TABLE v5.6.", "first-table.elf v5.6..", "Erste", "Copyright Fixture",
                    kLongAccented.c_str(), true, ""},
        FixtureCase{"UnmatchedFirstTranslationTakesTheFirstTable", "unmatched-translation.elf",
                    "UNMATCHED-TRANSLATION", "UNMATCHED-TRANSLATION v6.0.0",
                    "unmatched-translation.elf v6.0.0.0", "Taken first", "Copyright ", "", true,
                    ""},
        FixtureCase{"NoStringTable", "no-table.elf", "NO-TABLE", "", "", "", "", "", false,
                    kNotReadable},
        FixtureCase{"NoVersionSection", "no-section.elf", "NO-SECTION", "", "", "", "", "", false,
                    kNotReadable},
        FixtureCase{"NotAnElfFile", "not-elf.txt", "NOT-ELF", "", "", "", "", "", false,
                    kNotReadable},
        FixtureCase{"ADirectory", "", "", "", "", "", "", "", false, kMissing},
        FixtureCase{"AMissingFile", "missing.elf", "", "", "", "", "", "", false, kMissing}),
    [](const ::testing::TestParamInfo<FixtureCase>& info) { return info.param.name; });

#if KEYLOOM_HAVE_OTHER_LAYOUTS
// The same block in ELF files of other classes and byte orders.
class OtherLayouts : public ::testing::TestWithParam<const char*> {};

TEST_P(OtherLayouts, ReadTheSameTable) {
  FakePlatform platform;
  UseRealFiles(platform);
  TFileVersionInfoRec info;
  ReadBuildInfo(platform, ByteString(kFixtures + "/two-tables-" + GetParam() + ".o", kAnsiCodePage),
                info);
  EXPECT_TRUE(info.Loaded) << platform.Err();
  EXPECT_EQ(info.FileDescription.Bytes(), "Zweite Tabelle");
  EXPECT_EQ(info.CompanyName.Bytes(), "Fixture AG");
  EXPECT_EQ(info.ProgramNameVersion.Bytes(),
            "TWO-TABLES-" + UpperAscii(ByteString(GetParam())).Bytes() + " v3.1.4");
}

INSTANTIATE_TEST_SUITE_P(Layouts, OtherLayouts,
                         ::testing::Values("elf32-i386", "elf32-big", "elf64-big"));
#endif

TEST(ElfVersionInfo, DeliversTextsInTheAnsiCodePage) {
  FakePlatform platform;
  platform.UseCodePage(28591);
  UseRealFiles(platform);
  TFileVersionInfoRec info;
  ReadBuildInfo(platform, ByteString(kFixtures + "/two-tables.elf", kAnsiCodePage), info);
  ASSERT_TRUE(info.Loaded);
  EXPECT_EQ(info.CopyrightLine.Bytes(), "Copyright \xA9 2024 Fixture");
}

TEST(ElfVersionInfo, LooksUpKeysWithoutRegardToCaseAndGivesNothingForAnAbsentKey) {
  auto reader = MakeElfVersionInfo(ByteString());
  reader->SetFileName(ByteString(kFixtures + "/two-tables.elf", kAnsiCodePage));
  reader->ReadFileInfo();
  EXPECT_EQ(reader->Value("companyNAME").Bytes(), "Fixture AG");
  EXPECT_EQ(reader->Value("ProductName").Bytes(), "");
  EXPECT_EQ(reader->Value("").Bytes(), "");
}

TEST(ElfVersionInfo, ReadsTheRunningProgramForItsOwnPath) {
  // The name need not exist: the reader goes to the process's own executable.
  const ByteString own = "/nowhere/keyloom_elf_tests";
  auto reader = MakeElfVersionInfo(own);
  reader->SetFileName(own);
  reader->ReadFileInfo();
  EXPECT_EQ(reader->Value("FileDescription").Bytes(), "The test program's own block");
}

TEST(ElfVersionInfo, RefusesAFileCutShortInsideItsHeaders) {
  const std::filesystem::path dir =
      std::filesystem::temp_directory_path() / ("keyloom_elf_cut_" + std::to_string(::getpid()));
  std::filesystem::create_directories(dir);
  std::ifstream whole(kFixtures + "/two-tables.elf", std::ios::binary);
  const std::string bytes((std::istreambuf_iterator<char>(whole)), {});
  for (std::size_t size : {std::size_t{0}, std::size_t{10}, std::size_t{40}, std::size_t{64},
                           bytes.size() / 2, bytes.size() - 1}) {
    const std::filesystem::path cut = dir / ("cut-" + std::to_string(size));
    std::ofstream(cut, std::ios::binary).write(bytes.data(), static_cast<std::streamsize>(size));
    auto reader = MakeElfVersionInfo(ByteString());
    reader->SetFileName(ByteString(cut.string(), kAnsiCodePage));
    EXPECT_THROW(reader->ReadFileInfo(), EVersionInfoError) << size;
  }
  std::filesystem::remove_all(dir);
}

}  // namespace
}  // namespace keyloom
