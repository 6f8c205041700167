// The banner: its header block and build line, the dates in the user's month names, and how
// it reads the build information once after a success and again after a failure.
#include "buildinfo/Banner.h"

#include <gtest/gtest.h>

#include <regex>
#include <string>

#include "buildinfo/BuildConstants.h"
#include "tests/support/FakePlatform.h"

namespace keyloom {
namespace {

using testing::FakePlatform;
using testing::MemoryVersionInfo;

// FakePlatform's own version entries, as the banner shows them with this build's constants.
const std::string kHeader =
    "KEYLOOM v2.4.0 x86 (27 Aug 2023) - Test build\n"
    "Copyright (c) 2026 Keyloom\n"
    "Made for tests\n"
    "\n";
const std::string kBuildLineStart = "keyloom v2.4.0.360 x86 was compiled on 27 Aug 2023 @ 17:00:00";

class Banner : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_STREQ(kBuildDate, "2023/08/27") << "the expected texts assume the default build date";
    ASSERT_STREQ(kBuildDateTime, "2023/08/27 17:25:00");
  }
  FakePlatform platform;
  TFileVersionInfoRec build_info;
};

TEST_F(Banner, WithoutBuildLineIsFourLinesEndingInAnEmptyOne) {
  ShowBanner(platform, build_info, false);
  EXPECT_EQ(platform.Out(), kHeader);
  EXPECT_EQ(platform.Err(), "");
  EXPECT_EQ(platform.ExitCode(), 0);
  EXPECT_TRUE(build_info.Loaded);
}

TEST_F(Banner, WithBuildLineIsSixLinesAndShowsOnlyTheHourOfTheBuildTime) {
  ShowBanner(platform, build_info, true);
  EXPECT_EQ(platform.Out(), kHeader + kBuildLineStart + ToolchainText().Bytes() + "\n\n");
}

TEST_F(Banner, NamesTheCompilerThatBuiltIt) {
  const std::string text = ToolchainText().Bytes();
  EXPECT_TRUE(std::regex_match(text, std::regex(" using (GCC|Clang) [0-9]+\\.[0-9]+\\.[0-9]+")))
      << text;
#if defined(__clang__)
  EXPECT_EQ(text, " using Clang " + std::to_string(__clang_major__) + "." +
                      std::to_string(__clang_minor__) + "." + std::to_string(__clang_patchlevel__));
#elif defined(__GNUC__)
  EXPECT_EQ(text, " using GCC " + std::to_string(__GNUC__) + "." + std::to_string(__GNUC_MINOR__) +
                      "." + std::to_string(__GNUC_PATCHLEVEL__));
#endif
}

TEST_F(Banner, ReadsTheVersionInformationOnceAfterASuccess) {
  ShowBanner(platform, build_info, true);
  const std::string first = platform.Out();
  ShowBanner(platform, build_info, true);
  EXPECT_EQ(platform.Out(), first + first);
  EXPECT_EQ(platform.version_readers_created, 1);
}

TEST_F(Banner, DoesNotReadARecordThatIsLoadedAlready) {
  build_info.Loaded = true;
  build_info.ProgramNameVersion = "OTHER v9.8.7";
  build_info.FileDescription = "Given";
  ShowBanner(platform, build_info, false);
  EXPECT_EQ(platform.Out(), "OTHER v9.8.7 x86 (27 Aug 2023) - Given\n\n\n\n");
  EXPECT_EQ(platform.version_readers_created, 0);
}

TEST_F(Banner, ReplacesAStaleRecordWhenNotLoaded) {
  build_info.Comments = "left over";
  build_info.FileName = "old.exe";
  ShowBanner(platform, build_info, false);
  EXPECT_EQ(platform.Out(), kHeader);
  EXPECT_EQ(build_info.FileName.Bytes(), "keyloom");
}

TEST_F(Banner, AfterAFailedReadPrintsItsLinesEmptyAndReadsAgainNextTime) {
  platform.version_reader = [] {
    return std::make_unique<MemoryVersionInfo>(std::vector<std::pair<std::string, std::string>>{},
                                               false);
  };
  const std::string error = "Error obtaining version info from file: /opt/keyloom/bin/keyloom\n";
  const std::string banner =
      " x86 (27 Aug 2023) - \n\n\n\n x86 was compiled on 27 Aug 2023 @ "
      "17:00:00" +
      ToolchainText().Bytes() + "\n\n";

  ShowBanner(platform, build_info, true);
  EXPECT_EQ(platform.Err(), error);
  EXPECT_EQ(platform.Out(), banner);
  EXPECT_EQ(platform.ExitCode(), 1);

  platform.SetExitCode(0);
  ShowBanner(platform, build_info, true);
  EXPECT_EQ(platform.Err(), error + error);
  EXPECT_EQ(platform.Out(), banner + banner);
  EXPECT_EQ(platform.ExitCode(), 1);
  EXPECT_EQ(platform.version_readers_created, 2);
  EXPECT_FALSE(build_info.Loaded);
}

TEST_F(Banner, WithoutTheProgramFileShowsEmptyNamesAndTheError) {
  platform.own_path = "/gone/keyloom";
  platform.use_real_files = true;
  ShowBanner(platform, build_info, false);
  EXPECT_EQ(platform.Err(), "File does not exist: /gone/keyloom\n");
  EXPECT_EQ(platform.Out(), " x86 (27 Aug 2023) - \n\n\n\n");
  EXPECT_EQ(platform.ExitCode(), 1);
}

TEST_F(Banner, UsesTheMonthNamesOfTheUsersSettings) {
  platform.months = {"janv.", "févr.", "mars",  "avr.", "mai",  "juin",
                     "juil.", "août",  "sept.", "oct.", "nov.", "déc."};
  ShowBanner(platform, build_info, true);
  EXPECT_EQ(platform.Out(),
            "KEYLOOM v2.4.0 x86 (27 août 2023) - Test build\n"
            "Copyright (c) 2026 Keyloom\n"
            "Made for tests\n"
            "\n"
            "keyloom v2.4.0.360 x86 was compiled on 27 août 2023 @ 17:00:00" +
                ToolchainText().Bytes() + "\n\n");
}

}  // namespace
}  // namespace keyloom
