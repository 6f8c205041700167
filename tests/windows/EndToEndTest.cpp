// keyloom.exe started with CreateProcess, against an in-process run with the child's process
// id, against an independent reading of what the passwords must be, and against the version
// values the resource was made from.
#include <windows.h>

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "buildinfo/BuildConstants.h"
#include "frontend/EntryPoint.h"
#include "platform/windows/WindowsVersionInfo.h"
#include "tests/support/FakePlatform.h"
#include "tests/windows/Process.h"
#include "tests/windows/TestPaths.h"

namespace keyloom {
namespace {

using testing::ChildOutput;
using testing::ChildResult;
using testing::KeyloomBinaryPath;
using testing::RunChild;

// "\n" line ends as the Windows program writes them.
std::string WithCrLf(const std::string& text) {
  std::string out;
  for (char c : text) {
    if (c == '\n') out += '\r';
    out += c;
  }
  return out;
}

// The month names of the user's settings, as the child reads them.
MonthNames UserMonthNames() {
  MonthNames names = EnglishMonthNames();
  const LCID locale = ::GetUserDefaultLCID();
  for (int i = 0; i < 12; ++i) {
    char text[128];
    const int n = ::GetLocaleInfoA(locale, LOCALE_SABBREVMONTHNAME1 + i, text, sizeof text);
    if (n > 1) names[static_cast<std::size_t>(i)] = ByteString(std::string(text, n - 1));
  }
  return names;
}

// What the program must print for `args` when its process id is `pid`: the same run in
// process, with the ANSI code page of the system, reading the program's file by name.
ChildResult InProcess(const std::vector<std::string>& args, std::uint32_t pid) {
  testing::FakePlatform platform(args, pid);
  platform.UseCodePage(static_cast<CodePage>(::GetACP()));
  platform.own_path = KeyloomBinaryPath();
  platform.use_real_files = true;
  platform.months = UserMonthNames();
  platform.version_reader = [] { return MakeWindowsVersionInfo(ByteString()); };
  ChildResult result;
  result.exit_code = RunGuarded(platform);
  result.out = WithCrLf(platform.Out());
  result.err = WithCrLf(platform.Err());
  return result;
}

class SameAsInProcess : public ::testing::TestWithParam<std::vector<std::string>> {};

TEST_P(SameAsInProcess, ByteForByte) {
  const ChildResult child = RunChild(KeyloomBinaryPath(), GetParam());
  const ChildResult expected = InProcess(GetParam(), child.pid);
  EXPECT_NE(child.pid, 0u);
  EXPECT_EQ(child.exit_code, expected.exit_code);
  EXPECT_EQ(child.out, expected.out);
  EXPECT_EQ(child.err, expected.err);
}

INSTANTIATE_TEST_SUITE_P(
    Arguments, SameAsInProcess,
    ::testing::Values(std::vector<std::string>{}, std::vector<std::string>{"20", "-$:sha256", "-v"},
                      std::vector<std::string>{"-s"}, std::vector<std::string>{"foo"},
                      std::vector<std::string>{"4096", "-f", "-$:SHA3_512"},
                      std::vector<std::string>{"8", "-o", "-$:md5"},
                      std::vector<std::string>{"12", "-u", "\xE9#", "-v"},
                      std::vector<std::string>{"-x", "abcdefghijklmnopqrstuvwxyz", "-c"},
                      std::vector<std::string>{"-x", "a \"b\" c\\", "-c"},
                      std::vector<std::string>{"-d"}, std::vector<std::string>{"-info"},
                      std::vector<std::string>{"-?"}, std::vector<std::string>{"-??"},
                      std::vector<std::string>{"-$:SHA-1"}, std::vector<std::string>{"-q", "-g"},
                      std::vector<std::string>{"5000", "-e", "-p"}));

TEST(Program, ExitCodeOfEveryPath) {
  struct Case {
    std::vector<std::string> args;
    int exit_code;
  };
  const Case cases[] = {
      {{}, 0},          {{"20", "-v"}, 0}, {{"-info"}, 99}, {{"--INFO"}, 99},
      {{"-?"}, 99},     {{"/h"}, 99},      {{"-??"}, 99},   {{"-h2"}, 99},
      {{"-$:sha5"}, 2}, {{"foo"}, 2},      {{"/info"}, 2},  {{"-q", "-p", "3"}, 0},
  };
  for (const Case& c : cases) {
    const ChildResult child = RunChild(KeyloomBinaryPath(), c.args);
    EXPECT_EQ(child.exit_code, c.exit_code) << (c.args.empty() ? "" : c.args.front());
  }
}

// The passwords of "20 -q -p" drawn again with std::mt19937 seeded by the child's id.
TEST(Program, PasswordsFollowTheReferenceGenerator) {
  const ChildResult child = RunChild(KeyloomBinaryPath(), {"20", "-q", "-p"});
  std::mt19937 mt(child.pid);
  auto below = [&mt](std::uint64_t n) { return static_cast<int>((n * mt()) >> 32); };
  std::string simple;
  while (simple.size() < 20) {
    const char c = static_cast<char>(48 + below(75));
    if (std::isalnum(static_cast<unsigned char>(c))) simple += c;
  }
  auto complex = [&below] {
    const std::string excluded = "<>\"^'%&`|";
    std::string pwd;
    while (pwd.size() < 20) {
      const char c = static_cast<char>(33 + below(94));
      if (excluded.find(c) == std::string::npos) pwd += c;
    }
    return pwd;
  };
  complex();  // the strong password, which this layout does not show
  const std::string shown = complex();
  std::string lower = simple;
  std::string upper = simple;
  for (char& c : lower) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  for (char& c : upper) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  EXPECT_EQ(child.out, shown + "\r\n" + simple + "\r\n" + lower + "\r\n" + upper + "\r\n");
  EXPECT_EQ(child.exit_code, 0);
}

TEST(Program, EveryLineEndsWithCrLf) {
  for (const std::vector<std::string>& args :
       {std::vector<std::string>{}, std::vector<std::string>{"-?"},
        std::vector<std::string>{"-info"}}) {
    const ChildResult child = RunChild(KeyloomBinaryPath(), args);
    ASSERT_FALSE(child.out.empty());
    EXPECT_EQ(child.out.substr(child.out.size() - 2), "\r\n");
    for (std::size_t i = 0; i < child.out.size(); ++i) {
      if (child.out[i] == '\n') {
        EXPECT_TRUE(i > 0 && child.out[i - 1] == '\r') << i;
      }
      if (child.out[i] == '\r') {
        EXPECT_TRUE(i + 1 < child.out.size() && child.out[i + 1] == '\n') << i;
      }
    }
  }
}

TEST(Program, FailedWriteEndsWithTheUnhandledErrorReport) {
  for (ChildOutput target : {ChildOutput::BrokenPipe, ChildOutput::NoHandle}) {
    const ChildResult child = RunChild(KeyloomBinaryPath(), {}, target);
    EXPECT_EQ(child.exit_code, 217);
    EXPECT_EQ(child.err.rfind("An unhandled exception occurred at $", 0), 0u) << child.err;
    EXPECT_NE(child.err.find("\r\nEInOutError: "), std::string::npos) << child.err;
    EXPECT_EQ(child.err.substr(child.err.size() - 2), "\r\n");
  }
}

// The banner as the version values of resources/VersionInfo.cmake make it, in `page`.
std::string ExpectedHeader(CodePage page = kAnsiCodePage) {
  const std::string copyright =
      ByteString(std::string(KEYLOOM_EXPECTED_COPYRIGHT), kUtf8CodePage).ConvertedTo(page).Bytes();
  return std::string("KEYLOOM v") + KEYLOOM_EXPECTED_THREE_PART_VERSION + " x86 (27 " +
         UserMonthNames()[7].Bytes() + " 2023) - " + KEYLOOM_EXPECTED_DESCRIPTION + "\r\n" +
         "Copyright " + copyright + "\r\n" + KEYLOOM_EXPECTED_COMMENTS + "\r\n\r\n";
}

TEST(Program, PrintsTheBannerFromItsOwnVersionResource) {
  testing::FakePlatform code_pages;  // installs the system's conversions for ExpectedHeader
  code_pages.UseCodePage(static_cast<CodePage>(::GetACP()));
  const std::string header = ExpectedHeader();

  const ChildResult info = RunChild(KeyloomBinaryPath(), {"-info"});
  EXPECT_EQ(info.exit_code, 99);
  EXPECT_EQ(info.err, "");
  EXPECT_EQ(info.out, header + "keyloom.exe v" + KEYLOOM_EXPECTED_FILE_VERSION +
                          " x86 was compiled on 27 " + UserMonthNames()[7].Bytes() +
                          " 2023 @ 17:00:00" + ToolchainText().Bytes() + "\r\n\r\n");

  const ChildResult run = RunChild(KeyloomBinaryPath(), {});
  EXPECT_EQ(run.exit_code, 0);
  EXPECT_EQ(run.err, "");
  EXPECT_EQ(run.out.substr(0, header.size()), header);
}

// With a console of its own the program writes in the console's output page, which a new
// console takes from the OEM page; without one, in the ANSI page.
TEST(Program, WritesInTheConsolesOutputPage) {
  testing::FakePlatform code_pages;
  code_pages.UseCodePage(static_cast<CodePage>(::GetACP()));
  const ChildResult detached = RunChild(KeyloomBinaryPath(), {"-info"});
  EXPECT_EQ(detached.out.substr(0, ExpectedHeader().size()), ExpectedHeader());

  const ChildResult console =
      RunChild(KeyloomBinaryPath(), {"-info"}, ChildOutput::Files, testing::ChildConsole::Hidden);
  const std::string in_oem_page = ExpectedHeader(static_cast<CodePage>(::GetOEMCP()));
  EXPECT_EQ(console.out.substr(0, in_oem_page.size()), in_oem_page);
  EXPECT_EQ(console.exit_code, 99);
}

TEST(Program, WithoutAVersionResourceReportsTheFileAndGoesOn) {
  const std::string program = testing::FixturePath("keyloom-no-version.exe");
  const ChildResult run = RunChild(program, {});
  EXPECT_EQ(run.exit_code, 1);
  EXPECT_EQ(run.err, "Error obtaining version info from file: " + program + "\r\n");
  // An empty name and version before the tag, then three empty header lines.
  const std::string empty_header =
      " x86 (27 " + UserMonthNames()[7].Bytes() + " 2023) - \r\n\r\n\r\n\r\n";
  EXPECT_EQ(run.out.rfind(empty_header, 0), 0u) << run.out;
  EXPECT_NE(run.out.find("SHA1"), std::string::npos);

  // On a help path the help's exit code replaces 1; the program name is still known.
  const ChildResult help = RunChild(program, {"-?"});
  EXPECT_EQ(help.exit_code, 99);
  EXPECT_EQ(help.err, "Error obtaining version info from file: " + program + "\r\n");
  EXPECT_NE(help.out.find("\r\n KEYLOOM-NO-VERSION [length] [options]\r\n"), std::string::npos)
      << help.out;
}

std::wstring LongForm(const std::string& path) {
  return L"\\\\?\\" + std::wstring(path.begin(), path.end());
}

// A path of 258 characters: longer than the 255 the program uses, short enough for the
// system to start a program from it.
TEST(Program, StartedFromAPathLongerThan255CharactersCannotFindItself) {
  char temp[MAX_PATH];
  ASSERT_GT(::GetTempPathA(MAX_PATH, temp), 0u);
  std::string folder =
      std::string(temp) + "keyloom_long_" + std::to_string(::GetCurrentProcessId());
  std::vector<std::string> made;
  while (folder.size() < 160) {
    ASSERT_TRUE(::CreateDirectoryW(LongForm(folder).c_str(), nullptr) ||
                ::GetLastError() == ERROR_ALREADY_EXISTS);
    made.push_back(folder);
    folder += "\\" + std::string(40, 'd');
  }
  folder = made.back();
  const std::string name = std::string(258 - folder.size() - 1 - 4, 'k') + ".exe";
  const std::string copy = folder + "\\" + name;
  ASSERT_EQ(copy.size(), 258u);
  ASSERT_TRUE(::CopyFileW(LongForm(KeyloomBinaryPath()).c_str(), LongForm(copy).c_str(), FALSE));

  const ChildResult run = RunChild(copy, {});
  EXPECT_EQ(run.exit_code, 1);
  EXPECT_EQ(run.err, "File does not exist: " + copy.substr(0, 255) + "\r\n");
  // The run goes on: an empty header block, then the report.
  const std::string empty_header =
      " x86 (27 " + UserMonthNames()[7].Bytes() + " 2023) - \r\n\r\n\r\n\r\n";
  EXPECT_EQ(run.out.rfind(empty_header, 0), 0u) << run.out;
  EXPECT_NE(run.out.find("SHA1"), std::string::npos);

  ::DeleteFileW(LongForm(copy).c_str());
  for (auto it = made.rbegin(); it != made.rend(); ++it) ::RemoveDirectoryW(LongForm(*it).c_str());
}

TEST(Program, SameProcessIdAndArgumentsGiveTheSameOutput) {
  const ChildResult child = RunChild(KeyloomBinaryPath(), {"32", "-v"});
  EXPECT_EQ(InProcess({"32", "-v"}, child.pid).out, InProcess({"32", "-v"}, child.pid).out);
}

TEST(CommandLine, QuotesWhatTheRunTimeWouldSplit) {
  struct Case {
    std::vector<std::string> args;
    const char* line;
  };
  const Case cases[] = {
      {{"a", "b"}, "p a b"},
      {{""}, "p \"\""},
      {{"a b"}, "p \"a b\""},
      {{"say \"hi\""}, "p \"say \\\"hi\\\"\""},
      {{"dir\\ x\\"}, "p \"dir\\ x\\\\\""},
      {{"c:\\path\\"}, "p c:\\path\\"},
  };
  for (const Case& c : cases) EXPECT_EQ(testing::QuoteCommandLine("p", c.args), c.line);
}

}  // namespace
}  // namespace keyloom
