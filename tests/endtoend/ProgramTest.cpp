// The real binary against an in-process run with the child's process id, and against an
// independent reading of what the passwords must be.
#include <gtest/gtest.h>

#include <climits>
#include <cstdlib>
#include <random>

#include "frontend/EntryPoint.h"
#include "platform/posix/ElfVersionInfo.h"
#include "tests/endtoend/Process.h"
#include "tests/support/FakePlatform.h"

namespace keyloom {
namespace {

using testing::OutputTarget;
using testing::ProcessResult;
using testing::RunProcess;

std::string BinaryPath() {
  char resolved[PATH_MAX];
  if (::realpath(KEYLOOM_BINARY, resolved) == nullptr) return KEYLOOM_BINARY;
  return resolved;
}

// What the program must print for `args` when its process id is `pid`.
ProcessResult InProcess(const std::vector<std::string>& args, std::uint32_t pid) {
  testing::FakePlatform platform(args, pid);
  platform.own_path = BinaryPath();
  platform.use_real_files = true;
  // The child reads its own file through /proc/self/exe; here the same file is read by name.
  platform.version_reader = [] { return MakeElfVersionInfo(ByteString()); };
  ProcessResult result;
  result.exit_code = RunGuarded(platform);
  result.out = platform.Out();
  result.err = platform.Err();
  return result;
}

class SameAsInProcess : public ::testing::TestWithParam<std::vector<std::string>> {};

TEST_P(SameAsInProcess, ByteForByte) {
  const ProcessResult child = RunProcess(BinaryPath(), GetParam());
  const ProcessResult expected = InProcess(GetParam(), static_cast<std::uint32_t>(child.pid));
  EXPECT_EQ(child.signal, 0);
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
    const ProcessResult child = RunProcess(BinaryPath(), c.args);
    EXPECT_EQ(child.exit_code, c.exit_code) << (c.args.empty() ? "" : c.args.front());
  }
}

// The passwords of "20 -q -p" drawn again with std::mt19937 seeded by the child's id.
TEST(Program, PasswordsFollowTheReferenceGenerator) {
  const ProcessResult child = RunProcess(BinaryPath(), {"20", "-q", "-p"});
  std::mt19937 mt(static_cast<std::uint32_t>(child.pid));
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
  EXPECT_EQ(child.out, shown + "\n" + simple + "\n" + lower + "\n" + upper + "\n");
  EXPECT_EQ(child.exit_code, 0);
}

TEST(Program, FailedWriteEndsWithTheUnhandledErrorReport) {
  for (OutputTarget target : {OutputTarget::DevFull, OutputTarget::Closed}) {
    const ProcessResult child = RunProcess(BinaryPath(), {}, target);
    EXPECT_EQ(child.exit_code, 217);
    EXPECT_EQ(child.err.rfind("An unhandled exception occurred at $", 0), 0u) << child.err;
    EXPECT_NE(child.err.find("\nEInOutError: "), std::string::npos) << child.err;
  }
}

TEST(Program, SameProcessIdAndArgumentsGiveTheSameOutput) {
  const ProcessResult child = RunProcess(BinaryPath(), {"32", "-v"});
  const auto pid = static_cast<std::uint32_t>(child.pid);
  EXPECT_EQ(InProcess({"32", "-v"}, pid).out, InProcess({"32", "-v"}, pid).out);
}

}  // namespace
}  // namespace keyloom
