// ReadBuildInfo against version information held in memory: how the path is taken apart, how
// the version and copyright texts are built, and what each failure leaves behind.
#include "buildinfo/BuildInfo.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "tests/support/FakePlatform.h"

namespace keyloom {
namespace {

using testing::FakePlatform;
using testing::MemoryVersionInfo;
using Entries = std::vector<std::pair<std::string, std::string>>;

TFileVersionInfoRec ReadAt(FakePlatform& platform, const std::string& path) {
  platform.existing_files.push_back(path);
  TFileVersionInfoRec info;
  ReadBuildInfo(platform, ByteString(path, kAnsiCodePage), info);
  return info;
}

struct PathCase {
  const char* path;
  const char* file_name;
  const char* file_ext;
  const char* file_dir;
  const char* program_name;
};

class PathSplitting : public ::testing::TestWithParam<PathCase> {};

TEST_P(PathSplitting, GivesNameExtensionDirectoryAndProgramName) {
  const PathCase& c = GetParam();
  FakePlatform platform;
  const TFileVersionInfoRec info = ReadAt(platform, c.path);
  EXPECT_EQ(info.FileName.Bytes(), c.file_name);
  EXPECT_EQ(info.FileExt.Bytes(), c.file_ext);
  EXPECT_EQ(info.FileDir.Bytes(), c.file_dir);
  EXPECT_EQ(info.ProgramName.Bytes(), c.program_name);
  EXPECT_TRUE(info.Loaded);
  EXPECT_EQ(platform.Err(), "");
  EXPECT_EQ(platform.ExitCode(), 0);
}

INSTANTIATE_TEST_SUITE_P(
    Paths, PathSplitting,
    ::testing::Values(PathCase{"D:\\Apps\\tool.exe", "tool.exe", ".exe", "D:\\Apps", "TOOL"},
                      PathCase{"D:\\tool.exe", "tool.exe", ".exe", "D:\\", "TOOL"},
                      PathCase{"\\tool.exe", "tool.exe", ".exe", "\\", "TOOL"},
                      PathCase{"tool.exe", "tool.exe", ".exe", "", "TOOL"},
                      PathCase{"C:tool.exe", "tool.exe", ".exe", "C:", "TOOL"},
                      PathCase{"D:\\Apps\\Tool.EXE", "Tool.EXE", ".EXE", "D:\\Apps", "TOOL"},
                      // Both occurrences of the extension go, whatever their case.
                      PathCase{"D:\\Apps\\app.exe.backup.exe", "app.exe.backup.exe", ".exe",
                               "D:\\Apps", "APP.BACKUP"},
                      PathCase{"/x/App.EXE.old.exe", "App.EXE.old.exe", ".exe", "/x", "APP.OLD"},
                      PathCase{"D:\\Apps\\tool", "tool", "", "D:\\Apps", "TOOL"},
                      PathCase{"D:\\Apps\\.config", ".config", "", "D:\\Apps", ".CONFIG"},
                      PathCase{"D:\\my.dir\\tool", "tool", "", "D:\\my.dir", "TOOL"},
                      PathCase{"/opt/keyloom/bin/keyloom", "keyloom", "", "/opt/keyloom/bin",
                               "KEYLOOM"},
                      // Only ASCII letters change case.
                      PathCase{"/usr/bin/x-Ünï.sh", "x-Ünï.sh", ".sh", "/usr/bin", "X-ÜNï"},
                      // After a doubled separator both stay, as after a root.
                      PathCase{"/a//tool.exe", "tool.exe", ".exe", "/a//", "TOOL"}));

struct VersionCase {
  const char* name;
  Entries entries;
  const char* program_name_version;
  const char* file_name_version;
  const char* copyright_line;
};

class VersionTexts : public ::testing::TestWithParam<VersionCase> {};

TEST_P(VersionTexts, AreBuiltFromTheEntries) {
  const VersionCase& c = GetParam();
  FakePlatform platform;
  platform.version_entries = c.entries;
  const TFileVersionInfoRec info = ReadAt(platform, "D:\\Apps\\tool.exe");
  EXPECT_EQ(info.ProgramNameVersion.Bytes(), c.program_name_version);
  EXPECT_EQ(info.FileNameVersion.Bytes(), c.file_name_version);
  EXPECT_EQ(info.CopyrightLine.Bytes(), c.copyright_line);
  EXPECT_TRUE(info.Loaded);
  EXPECT_EQ(platform.ExitCode(), 0);
}

INSTANTIATE_TEST_SUITE_P(
    Entries, VersionTexts,
    ::testing::Values(
        VersionCase{"FourParts",
                    {{"FileVersion", "2.4.0.360"}, {"LegalCopyright", "(c) 2023 Acme"}},
                    "TOOL v2.4.0",
                    "tool.exe v2.4.0.360",
                    "Copyright (c) 2023 Acme"},
        VersionCase{
            "TwoParts", {{"FileVersion", "2.4"}}, "TOOL v2.4.", "tool.exe v2.4..", "Copyright "},
        VersionCase{"Absent", {}, "TOOL v..", "tool.exe v...", "Copyright "},
        VersionCase{"FiveParts",
                    {{"FileVersion", "1.2.3.4.5"}},
                    "TOOL v1.2.3",
                    "tool.exe v1.2.3.4",
                    "Copyright "},
        VersionCase{"EmptyFields",
                    {{"FileVersion", ".7..9"}},
                    "TOOL v.7.",
                    "tool.exe v.7..9",
                    "Copyright "},
        VersionCase{"KeysInAnotherCase",
                    {{"FILEVERSION", "3.0.1.2"}, {"legalcopyright", "Acme"}},
                    "TOOL v3.0.1",
                    "tool.exe v3.0.1.2",
                    "Copyright Acme"},
        VersionCase{
            "CopyrightEmpty", {{"LegalCopyright", ""}}, "TOOL v..", "tool.exe v...", "Copyright "},
        VersionCase{"CopyrightWordAndBlank",
                    {{"LegalCopyright", "copyright 2023 Acme"}},
                    "TOOL v..",
                    "tool.exe v...",
                    "Copyright 2023 Acme"},
        VersionCase{"CopyrightWordInCapitals",
                    {{"LegalCopyright", "COPYRIGHT (C) Acme"}},
                    "TOOL v..",
                    "tool.exe v...",
                    "Copyright (C) Acme"},
        // No "Copyright Copyright " with its trailing blank occurs, so nothing collapses.
        VersionCase{"CopyrightWordAlone",
                    {{"LegalCopyright", "Copyright"}},
                    "TOOL v..",
                    "tool.exe v...",
                    "Copyright Copyright"},
        VersionCase{"CopyrightWordWithoutBlank",
                    {{"LegalCopyright", "Copyrighted by Acme"}},
                    "TOOL v..",
                    "tool.exe v...",
                    "Copyright Copyrighted by Acme"}),
    [](const ::testing::TestParamInfo<VersionCase>& info) { return info.param.name; });

TEST(ReadBuildInfo, TakesTheOtherTextsAsTheyStand) {
  FakePlatform platform;
  platform.version_entries = {
      {"FileDescription", "Makes keys"}, {"CompanyName", "Acme"}, {"Comments", "For tests only"}};
  const TFileVersionInfoRec info = ReadAt(platform, "/x/tool");
  EXPECT_EQ(info.FileDescription.Bytes(), "Makes keys");
  EXPECT_EQ(info.CompanyName.Bytes(), "Acme");
  EXPECT_EQ(info.Comments.Bytes(), "For tests only");
}

TEST(ReadBuildInfo, ShowsALongValueCutSoThatTheEntryHolds255Characters) {
  FakePlatform platform;
  const std::string long_text(300, 'x');
  platform.version_entries = {{"Comments", long_text}, {"FileDescription", long_text}};
  const TFileVersionInfoRec info = ReadAt(platform, "/x/tool");
  // "Comments=" is nine characters, "FileDescription=" sixteen.
  EXPECT_EQ(info.Comments.Bytes(), std::string(246, 'x'));
  EXPECT_EQ(info.FileDescription.Bytes(), std::string(239, 'x'));
}

TEST(ReadBuildInfo, UsesTheProgramsOwnPathWhenGivenNone) {
  FakePlatform platform;
  platform.own_path = "/opt/keyloom/bin/keyloom.bin";
  TFileVersionInfoRec info;
  ReadBuildInfo(platform, ByteString(), info);
  EXPECT_EQ(info.FileName.Bytes(), "keyloom.bin");
  EXPECT_EQ(info.ProgramName.Bytes(), "KEYLOOM");
  EXPECT_EQ(info.FileDir.Bytes(), "/opt/keyloom/bin");
  EXPECT_TRUE(info.Loaded);
}

TEST(ReadBuildInfo, UsesOnlyThe255FirstCharactersOfTheOwnPath) {
  FakePlatform platform;
  const std::string long_path = "/" + std::string(300, 'd') + "/keyloom";
  platform.own_path = long_path;
  const std::string cut = long_path.substr(0, 255);
  TFileVersionInfoRec info;
  ReadBuildInfo(platform, ByteString(), info);
  EXPECT_EQ(platform.Err(), "File does not exist: " + cut + "\n");
  EXPECT_EQ(platform.ExitCode(), 1);
  EXPECT_FALSE(info.Loaded);
}

// A record that holds texts from an earlier read, to show what each failure empties.
TFileVersionInfoRec Stale() {
  TFileVersionInfoRec info;
  for (ByteString* text :
       {&info.FileName, &info.ProgramName, &info.FileExt, &info.ProgramNameVersion,
        &info.FileNameVersion, &info.FileDescription, &info.CompanyName, &info.CopyrightLine,
        &info.Comments, &info.Unused15, &info.FileDir}) {
    *text = "stale";
  }
  info.Loaded = true;
  return info;
}

void ExpectReadTextsEmpty(const TFileVersionInfoRec& info) {
  EXPECT_EQ(info.ProgramNameVersion.Bytes(), "");
  EXPECT_EQ(info.FileNameVersion.Bytes(), "");
  EXPECT_EQ(info.FileDescription.Bytes(), "");
  EXPECT_EQ(info.CompanyName.Bytes(), "");
  EXPECT_EQ(info.CopyrightLine.Bytes(), "");
  EXPECT_EQ(info.Comments.Bytes(), "");
  EXPECT_EQ(info.Unused15.Bytes(), "");
  EXPECT_FALSE(info.Loaded);
}

TEST(ReadBuildInfo, MissingFileLeavesThePathFieldsAsTheCallerPassedThem) {
  FakePlatform platform;
  TFileVersionInfoRec info = Stale();
  ReadBuildInfo(platform, "D:\\Apps\\gone.exe", info);
  EXPECT_EQ(platform.Err(), "File does not exist: D:\\Apps\\gone.exe\n");
  EXPECT_EQ(platform.Out(), "");
  EXPECT_EQ(platform.ExitCode(), 1);
  ExpectReadTextsEmpty(info);
  EXPECT_EQ(info.FileName.Bytes(), "stale");
  EXPECT_EQ(info.ProgramName.Bytes(), "stale");
  EXPECT_EQ(info.FileExt.Bytes(), "stale");
  EXPECT_EQ(info.FileDir.Bytes(), "stale");
  EXPECT_EQ(platform.version_readers_created, 0);
}

TEST(ReadBuildInfo, UnreadableVersionInformationKeepsThePathFieldsOnly) {
  FakePlatform platform;
  platform.version_reader = [] {
    return std::make_unique<MemoryVersionInfo>(Entries{{"FileVersion", "1.2.3.4"}}, false);
  };
  TFileVersionInfoRec info = Stale();
  const std::string path = "D:\\Apps\\tool.exe";
  platform.existing_files.push_back(path);
  ReadBuildInfo(platform, ByteString(path, kAnsiCodePage), info);
  EXPECT_EQ(platform.Err(), "Error obtaining version info from file: D:\\Apps\\tool.exe\n");
  EXPECT_EQ(platform.Out(), "");
  EXPECT_EQ(platform.ExitCode(), 1);
  ExpectReadTextsEmpty(info);
  EXPECT_EQ(info.FileName.Bytes(), "tool.exe");
  EXPECT_EQ(info.ProgramName.Bytes(), "TOOL");
  EXPECT_EQ(info.FileExt.Bytes(), ".exe");
  EXPECT_EQ(info.FileDir.Bytes(), "D:\\Apps");
}

// A reader that fails while the texts are being built, after the version was looked up.
class FailingOnDescription final : public TFileVersionInfo {
 public:
  void SetFileName(const ByteString&) override {}
  void ReadFileInfo() override {}
  ByteString Value(const ByteString& key) const override {
    if (SameTextAscii(key.View(), "FileDescription")) throw EVersionInfoError("broken entry");
    return "5.6.7.8";
  }
};

TEST(ReadBuildInfo, KeepsTheTextsFilledBeforeAnErrorWhileBuildingThem) {
  FakePlatform platform;
  platform.version_reader = [] { return std::make_unique<FailingOnDescription>(); };
  const TFileVersionInfoRec info = ReadAt(platform, "/x/tool.exe");
  EXPECT_EQ(info.FileNameVersion.Bytes(), "tool.exe v5.6.7.8");
  EXPECT_EQ(info.ProgramNameVersion.Bytes(), "TOOL v5.6.7");
  EXPECT_EQ(info.FileDescription.Bytes(), "");
  EXPECT_EQ(info.CopyrightLine.Bytes(), "");
  EXPECT_FALSE(info.Loaded);
  EXPECT_EQ(platform.ExitCode(), 1);
  // The reader's own message is not shown.
  EXPECT_EQ(platform.Err(), "Error obtaining version info from file: /x/tool.exe\n");
}

TEST(ReadBuildInfo, SuccessAfterAFailureLeavesTheExitCodeAlone) {
  FakePlatform platform;
  TFileVersionInfoRec info;
  ReadBuildInfo(platform, "/x/missing", info);
  ASSERT_EQ(platform.ExitCode(), 1);
  ReadBuildInfo(platform, ByteString(), info);
  EXPECT_TRUE(info.Loaded);
  EXPECT_EQ(platform.ExitCode(), 1);
}

}  // namespace
}  // namespace keyloom
