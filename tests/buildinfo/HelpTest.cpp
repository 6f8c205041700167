// The help screen, compared whole with its text, and the paths of the front end that print it
// with and without the error codes.
#include "frontend/Help.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "buildinfo/BuildConstants.h"
#include "frontend/EntryPoint.h"
#include "tests/support/FakePlatform.h"

namespace keyloom {
namespace {

using testing::FakePlatform;

// The screen after the banner, lines 1 to 77, for the program name KEYLOOM.
const std::string kHelpBody = R"(-----------
CMD SYNTAX:
-----------
 KEYLOOM [length] [options]

 KEYLOOM [length] [-$:xxx] [-v | [-a|-s|-c|-g|-o|-f]] [-q] [-p] [-l] [-i|-e|-b|-u "..."|-x "..."]
 KEYLOOM [length] [-$:xxx] [-i|-e|-b|-u "xxxxxx"|-x "xxxxxx"]
 KEYLOOM [-h|-?]
 KEYLOOM [-h2|-??|-info]

 * Valid password length is from 8 to 4096 (Default = 16)


-------------------
OPTION DEFINITIONS:
-------------------
 -h,  -? ... Display this help message
 -h2, -?? .. Display program banner with build information, then exit
 -d ........ Display program banner with build information
 -info ..... Display program banner with build information, then exit

 -q ........ Suppress the header (and password length) information
 -i ........ Include the following special characters: <>"^'%&`|
 -e ........ Exclude the following special characters: <>"^'%&`|*!()\/
 -b ........ Same as -e
 -x ........ Select which special characters to eXclude
 -u ........ Select which special characters to Use/include
 -p ........ Display password only; do not display the hash or GUID
 -l ........ Display password length and hash on separate lines
 -s ........ Display a simple/alphanumeric password, ONLY
 -a ........ Same as -s
 -c ........ Display a complex password, ONLY
 -g ........ Display a 32-bit GUID, ONLY
 -f ........ Display full output
 -v ........ Display all passwords and [hashes] (on separate lines)
 -o ........ Display all [hashes] and passwords (on a single line)
 -$:xxx .... Generate hashes using one of the following: MD5,  SHA1 [default],
                                                         SHA2, SHA2_256, SHA2_384, SHA2_512,
                                                         SHA3, SHA3_256, SHA3_384, SHA3_512.

----------------
SYNTAX EXAMPLES:
----------------
 KEYLOOM -h
 KEYLOOM
 KEYLOOM 10
 KEYLOOM 14 -s -p
 KEYLOOM 21 -q -c
 KEYLOOM 21 -f -i -d
 KEYLOOM 24 -x "$#^&*()<>"
 KEYLOOM 32 -u "!@#$[]"
 KEYLOOM 36 -v -$:SHA2_512

------------
USAGE NOTES:
------------
 * Entering KEYLOOM with no parameters will generate a set of 16-character passwords.
 * Parameters surrounded by <> are mandatory; Those surrounded by [] are optional.
 * All parameters are case-insensitive, and can support / or - as a delimiter.
 * All parameters need to be separated from each other by at least one space.
 * Requesting a password smaller than 8 or greater than 4096 will result in a password of default length: 16
 * With few exceptions, in any given command line, later parameter options supercede earlier ones.
 * /H supercedes all other options -- i.e. only HELP will be processed.
 * /V supercedes all other options except HELP (no other parameters will be processed.)
 * /O output = Pwd Length, Custom Hash and Pwd, Simple Hash (+variants) and Pwd, GUID Hash and GUID.
 * /E supports Windows Shell scripts by excluding the following from passwords: <>"^'%&`|*!()\/
 * Using /I or /V inside of Windows Shell scripts can result in script failures due to possible password characters.
 * Using a /G and /P (in that order) will result in no useful output, unless followed by /A, /C, /O, /F  or /V.
 * Normal output = each password (Complex, Simple +variants, GUID), following the secure hash of that password.
 * Verbose output = each password (Complex, Simple +variants, GUID), followed by its secure hash.
 * Simple passwords come in mixed case (default), lowercase (L) and uppercase (U) variants.
 * SHA2 hash variants can also be selected as SHA256, SHA384 and SHA512.
 * Selecting "SHA2" is equivalent to selecting "SHA256" or "SHA2_256".
 * Selecting "SHA3" is equivalent to selecting "SHA3_384".
 * GUIDs are always 32-bytes long, regardless of the hash or password length selected.
 * All hashes are now displayed within brackets [].

)";

// Lines 78 to 85.
const std::string kErrorCodes = R"(------------
ERROR CODES:
------------
 * Error Exit Codes will be generated on the following failures:
    1 - Could not obtain file version info
    2 - Invalid parameters provided
   99 - Syntax Help Requested

)";

// The banner for FakePlatform's version entries.
const std::string kBanner =
    "KEYLOOM v2.4.0 x86 (27 Aug 2023) - Test build\n"
    "Copyright (c) 2026 Keyloom\n"
    "Made for tests\n"
    "\n";

std::string BannerWithBuildLine() {
  return kBanner + "keyloom v2.4.0.360 x86 was compiled on 27 Aug 2023 @ 17:00:00" +
         ToolchainText().Bytes() + "\n\n";
}

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

class HelpScreen : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_STREQ(kBuildDate, "2023/08/27"); }
  FakePlatform platform;
  TFileVersionInfoRec build_info;
};

TEST_F(HelpScreen, Has77LinesAfterTheBanner) {
  ShowHelp(platform, build_info, false, false);
  EXPECT_EQ(platform.Out(), kBanner + kHelpBody);
  EXPECT_EQ(Lines(kHelpBody).size(), 77u);
  EXPECT_EQ(platform.ExitCode(), 0);
}

TEST_F(HelpScreen, AddsTheErrorCodesOnlyWhenBothFlagsAreTrue) {
  struct Case {
    bool error_codes, build_line;
    std::string expected;
  };
  for (const Case& c : {Case{true, true, BannerWithBuildLine() + kHelpBody + kErrorCodes},
                        Case{false, true, BannerWithBuildLine() + kHelpBody},
                        Case{true, false, kBanner + kHelpBody}}) {
    FakePlatform p;
    TFileVersionInfoRec info;
    ShowHelp(p, info, c.error_codes, c.build_line);
    EXPECT_EQ(p.Out(), c.expected) << c.error_codes << c.build_line;
  }
  EXPECT_EQ(Lines(kHelpBody + kErrorCodes).size(), 85u);
}

TEST_F(HelpScreen, RulesAreAsLongAsTheirHeadings) {
  ShowHelp(platform, build_info, true, true);
  const std::vector<std::string> lines = Lines(platform.Out());
  int sections = 0;
  for (std::size_t i = 1; i + 1 < lines.size(); ++i) {
    if (lines[i].empty() || lines[i].back() != ':' || lines[i][0] == ' ') continue;
    ++sections;
    EXPECT_EQ(lines[i - 1], std::string(lines[i].size(), '-')) << lines[i];
    EXPECT_EQ(lines[i + 1], std::string(lines[i].size(), '-')) << lines[i];
  }
  EXPECT_EQ(sections, 5);
}

TEST(WriteSection, FramesTheHeadingWithRulesOfItsLength) {
  FakePlatform platform;
  WriteSection(platform.StandardOutput(), "AB:");
  WriteSection(platform.StandardOutput(), "");
  EXPECT_EQ(platform.Out(), "---\nAB:\n---\n\n\n\n");
}

TEST_F(HelpScreen, NameListLinesBeginWith57Blanks) {
  ShowHelp(platform, build_info, false, false);
  const std::vector<std::string> lines = Lines(platform.Out());
  int found = 0;
  for (const std::string& line : lines) {
    if (line.find("SHA2, SHA2_256") == std::string::npos &&
        line.find("SHA3, SHA3_256") == std::string::npos)
      continue;
    ++found;
    EXPECT_EQ(line.find_first_not_of(' '), 57u) << line;
  }
  EXPECT_EQ(found, 2);
}

TEST_F(HelpScreen, WithoutTheProgramFileTheNameIsEmpty) {
  platform.own_path = "/gone/keyloom";
  platform.use_real_files = true;
  ShowHelp(platform, build_info, false, false);
  const std::vector<std::string> lines = Lines(platform.Out());
  ASSERT_GT(lines.size(), 8u);
  EXPECT_EQ(lines[4 + 3], "  [length] [options]");
  EXPECT_EQ(platform.Err(), "File does not exist: /gone/keyloom\n");
}

// Whole runs through the front end.
struct PathCase {
  std::vector<std::string> args;
  std::string expected_out;
  int exit_code;
};

class HelpPaths : public ::testing::TestWithParam<PathCase> {};

TEST_P(HelpPaths, PrintWhatTheOptionsAskFor) {
  const PathCase& c = GetParam();
  FakePlatform platform(c.args);
  EXPECT_EQ(RunKeyloom(platform), c.exit_code);
  EXPECT_EQ(platform.Out(), c.expected_out);
  EXPECT_EQ(platform.Err(), "");
}

INSTANTIATE_TEST_SUITE_P(
    Runs, HelpPaths,
    ::testing::Values(
        PathCase{{"-?"}, kBanner + kHelpBody, 99}, PathCase{{"/H"}, kBanner + kHelpBody, 99},
        PathCase{{"-d", "-?"}, BannerWithBuildLine() + kHelpBody, 99},
        PathCase{
            {"-??"}, BannerWithBuildLine() + BannerWithBuildLine() + kHelpBody + kErrorCodes, 99},
        PathCase{
            {"/h2"}, BannerWithBuildLine() + BannerWithBuildLine() + kHelpBody + kErrorCodes, 99},
        PathCase{{"foo"}, kBanner + kHelpBody, 2},
        PathCase{{"-d", "-$:SHA5"}, BannerWithBuildLine() + kHelpBody, 2},
        PathCase{{"-$:"}, kBanner + kHelpBody, 2},
        // -Q touches only the report path: the help keeps its banner.
        PathCase{{"-q", "-?"}, kBanner + kHelpBody, 99},
        PathCase{{"-info", "-s"}, BannerWithBuildLine(), 99},
        PathCase{{"--INFO"}, BannerWithBuildLine(), 99}));

TEST(HelpPaths, ReadFailureIsReportedAndReplacedByTheHelpExitCode) {
  FakePlatform platform({"-??"});
  platform.version_reader = [] {
    return std::make_unique<testing::MemoryVersionInfo>(
        std::vector<std::pair<std::string, std::string>>{}, false);
  };
  EXPECT_EQ(RunKeyloom(platform), 99);
  const std::string error = "Error obtaining version info from file: /opt/keyloom/bin/keyloom\n";
  // Once for the caller's banner, once for the help screen's.
  EXPECT_EQ(platform.Err(), error + error);
  EXPECT_NE(platform.Out().find(" KEYLOOM [length] [options]\n"), std::string::npos);
}

}  // namespace
}  // namespace keyloom
