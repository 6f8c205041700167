// The Win32 platform in this process: what it reads at start-up, its file test, and a write
// that the system refuses.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "platform/NativePlatform.h"
#include "tests/windows/TestPaths.h"

namespace keyloom {
namespace {

std::unique_ptr<Platform> MakePlatform(std::vector<std::string> args) {
  std::vector<char*> argv;
  static std::string program = "keyloom";
  argv.push_back(program.data());
  for (std::string& arg : args) argv.push_back(arg.data());
  auto platform = CreateNativePlatform(static_cast<int>(argv.size()), argv.data());
  return platform;
}

TEST(WindowsPlatform, ReadsArgumentsAndProcessId) {
  std::vector<std::string> args = {"20", "-u", "\xE9\xFC", ""};
  const auto platform = MakePlatform(args);
  EXPECT_EQ(platform->ProcessId(), ::GetCurrentProcessId());
  ASSERT_EQ(platform->ArgumentCount(), 4);
  EXPECT_EQ(platform->Argument(1).Bytes(), "20");
  EXPECT_EQ(platform->Argument(3).Bytes(), "\xE9\xFC");
  EXPECT_EQ(platform->Argument(3).Tag(), kAnsiCodePage);
  EXPECT_EQ(platform->Argument(4).Bytes(), "");
  EXPECT_EQ(platform->Argument(0).Bytes(), "");
  EXPECT_EQ(platform->Argument(5).Bytes(), "");
}

TEST(WindowsPlatform, CodePagesAreTheSystemsAndLinesEndInCrLf) {
  const auto platform = MakePlatform({});
  EXPECT_EQ(platform->CodePages().AnsiCodePage(), ::GetACP());
  EXPECT_EQ(platform->CodePages().OemCodePage(), ::GetOEMCP());
  EXPECT_EQ(ResolveCodePage(kAnsiCodePage), ::GetACP()) << "the platform installs its pages";
  const UINT console = ::GetConsoleOutputCP();
  EXPECT_EQ(platform->ConsoleOutputCodePage(), console != 0 ? console : ::GetACP());
  EXPECT_EQ(platform->StandardOutput().LineEnd(), "\r\n");
  EXPECT_EQ(platform->StandardError().LineEnd(), "\r\n");
}

TEST(WindowsPlatform, OwnPathIsTheFullPathOfThisProgram) {
  const auto platform = MakePlatform({});
  const std::string path = platform->OwnExecutablePath().Bytes();
  ASSERT_GE(path.size(), 3u);
  EXPECT_EQ(path.substr(1, 2), ":\\") << path;
  EXPECT_LE(path.size(), 255u);
  EXPECT_EQ(path.substr(0, path.find_last_of('\\')), testing::TestProgramFolder());
  EXPECT_EQ(path.substr(path.size() - 4), ".exe");
  EXPECT_TRUE(platform->FileExists(platform->OwnExecutablePath()));
}

TEST(WindowsPlatform, FileExistsForFilesOnly) {
  const auto platform = MakePlatform({});
  struct Case {
    std::string path;
    bool exists;
  };
  const Case cases[] = {
      {testing::FixturePath("not-pe.txt"), true},
      {testing::FixturePath("no-resource.exe"), true},
      {testing::FixturePath("missing.exe"), false},
      {testing::TestProgramFolder(), false},  // a directory
      {testing::FixturePath(""), false},      // a directory, with its backslash
      {"", false},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(platform->FileExists(ByteString(c.path, kAnsiCodePage)), c.exists) << c.path;
  }
}

TEST(WindowsPlatform, MonthNamesAreTwelveNonEmptyTexts) {
  const auto platform = MakePlatform({});
  for (const ByteString& name : platform->MonthAbbreviations()) EXPECT_FALSE(name.Empty());
  if (PRIMARYLANGID(LANGIDFROMLCID(::GetUserDefaultLCID())) == LANG_ENGLISH) {
    EXPECT_EQ(platform->MonthAbbreviations(), EnglishMonthNames());
  }
}

// Standard output replaced by a pipe whose reading end is closed: the write must fail
// with EInOutError, and the error carries a call chain.
TEST(WindowsPlatform, ARefusedWriteRaisesEInOutError) {
  HANDLE read_end = nullptr;
  HANDLE write_end = nullptr;
  ASSERT_TRUE(::CreatePipe(&read_end, &write_end, nullptr, 0));
  ::CloseHandle(read_end);
  const HANDLE saved = ::GetStdHandle(STD_OUTPUT_HANDLE);
  ::SetStdHandle(STD_OUTPUT_HANDLE, write_end);
  const auto platform = MakePlatform({});
  bool raised = false;
  try {
    platform->StandardOutput().Line("lost");
  } catch (const EInOutError& error) {
    raised = true;
    EXPECT_FALSE(error.Message().empty());
    EXPECT_FALSE(error.CallChain().empty());
  }
  ::SetStdHandle(STD_OUTPUT_HANDLE, saved);
  ::CloseHandle(write_end);
  EXPECT_TRUE(raised);

  // No standard error at all.
  const HANDLE saved_err = ::GetStdHandle(STD_ERROR_HANDLE);
  ::SetStdHandle(STD_ERROR_HANDLE, nullptr);
  EXPECT_THROW(platform->StandardError().Line("lost"), EInOutError);
  ::SetStdHandle(STD_ERROR_HANDLE, saved_err);
}

TEST(WindowsPlatform, CallChainHoldsTheCallers) {
  const std::vector<std::uintptr_t> chain = CaptureCallChain();
  ASSERT_FALSE(chain.empty());
  EXPECT_LE(chain.size(), 62u);
  for (std::uintptr_t address : chain) EXPECT_NE(address, 0u);
}

}  // namespace
}  // namespace keyloom
