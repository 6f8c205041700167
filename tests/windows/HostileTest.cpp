// Hostile and extreme invocations of keyloom.exe: each must end with its exit code, and
// whatever passwords it prints must keep their character rules.
#include <gtest/gtest.h>

#include <regex>
#include <string>
#include <vector>

#include "tests/windows/Process.h"
#include "tests/windows/TestPaths.h"

namespace keyloom {
namespace {

using testing::ChildResult;

std::string AllBytes() {
  std::string bytes;
  for (int c = 1; c <= 255; ++c) bytes += static_cast<char>(c);
  return bytes;
}

std::string AllCandidates() {
  std::string bytes;
  for (int c = 33; c <= 126; ++c) bytes += static_cast<char>(c);
  return bytes;
}

ChildResult RunKeyloomExe(const std::vector<std::string>& args) {
  return testing::RunChild(testing::KeyloomBinaryPath(), args);
}

// The lines of a text whose lines end in CR LF; a line with a lone LF fails the test.
std::vector<std::string> CrLfLines(const std::string& text) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  while (start < text.size()) {
    const std::size_t end = text.find("\r\n", start);
    if (end == std::string::npos) {
      ADD_FAILURE() << "text after the last line end: " << text.substr(start);
      break;
    }
    lines.push_back(text.substr(start, end - start));
    EXPECT_EQ(lines.back().find('\n'), std::string::npos) << lines.back();
    start = end + 2;
  }
  return lines;
}

TEST(Hostile, ArgumentListsEndWithTheirExitCodes) {
  struct Case {
    const char* name;
    std::vector<std::string> args;
    int exit_code;
  };
  // A command line holds at most 32767 characters.
  std::vector<std::string> many(8000, "-s");
  many.front() = "20";
  const Case cases[] = {
      {"255-character first argument", {std::string(255, 'a')}, 2},
      {"256-character first argument", {std::string(256, 'a')}, 2},
      {"30000-character first argument", {std::string(30000, 'a')}, 2},
      {"255-character number", {std::string(253, '0') + "20"}, 0},
      {"256-character number", {std::string(254, '0') + "20", "-q"}, 0},
      {"8000 arguments", many, 0},
      {"every byte in -u", {"-u", AllBytes(), "-v"}, 0},
      {"every byte in -x", {"-x", AllBytes()}, 2},
      {"every byte but the candidates in -x", {"-x", std::string("\x01\x7F\x80\xFF", 4)}, 0},
      {"every byte in -$:", {"-$:" + AllBytes()}, 2},
      {"all candidates in -x", {"-x", AllCandidates()}, 2},
      {"all candidates but one in -x", {"-x", AllCandidates().substr(1), "-v"}, 0},
      {"-u last", {"20", "-u"}, 0},
      {"-x last", {"20", "-x"}, 0},
      {"lone dash", {"-"}, 2},
      {"empty argument", {""}, 2},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const ChildResult child = RunKeyloomExe(c.args);
    EXPECT_EQ(child.exit_code, c.exit_code);
  }
}

TEST(Hostile, NoPasswordOfAnExclusionSetThatLeavesOneCandidateBreaksIt) {
  const ChildResult child = RunKeyloomExe({"64", "-q", "-p", "-x", AllCandidates().substr(1)});
  ASSERT_EQ(child.exit_code, 0);
  const std::vector<std::string> lines = CrLfLines(child.out);
  ASSERT_FALSE(lines.empty());
  EXPECT_EQ(lines.front(), std::string(64, '!'));
}

// The verbose layout, checked line by line against the character rules of each password.
void CheckVerbose(const std::string& out, int length, const std::string& name, int digest_bytes) {
  const std::vector<std::string> lines = CrLfLines(out);
  ASSERT_GE(lines.size(), 14u);
  const std::size_t first = lines.size() - 14;  // after the banner
  auto value = [&](std::size_t i) { return lines[first + i].substr(21); };
  EXPECT_EQ(value(0), std::to_string(length));
  EXPECT_EQ(value(1), name);
  const std::regex hash("\\[[0-9a-f]{" + std::to_string(2 * digest_bytes) + "}\\]");
  const std::string excluded = "<>\"^'%&`|";
  auto complex_ok = [&](const std::string& p) {
    if (static_cast<int>(p.size()) != length) return false;
    for (char c : p) {
      if (c < 33 || c > 126 || excluded.find(c) != std::string::npos) return false;
    }
    return true;
  };
  auto simple_ok = [&](const std::string& p, bool (*allowed)(int)) {
    if (static_cast<int>(p.size()) != length) return false;
    for (char c : p) {
      if (!allowed(static_cast<unsigned char>(c))) return false;
    }
    return true;
  };
  auto alnum = [](int c) { return std::isalnum(c) != 0; };
  auto lower_or_digit = [](int c) { return std::islower(c) != 0 || std::isdigit(c) != 0; };
  auto upper_or_digit = [](int c) { return std::isupper(c) != 0 || std::isdigit(c) != 0; };
  EXPECT_TRUE(complex_ok(value(2))) << value(2);
  EXPECT_TRUE(simple_ok(value(4), +alnum)) << value(4);
  EXPECT_TRUE(simple_ok(value(6), +lower_or_digit)) << value(6);
  EXPECT_TRUE(simple_ok(value(8), +upper_or_digit)) << value(8);
  EXPECT_TRUE(complex_ok(value(10))) << value(10);
  EXPECT_TRUE(
      std::regex_match(value(12), std::regex(R"(\{[0-9a-f]{8}(-[0-9a-f]{4}){3}-[0-9a-f]{12}\})")))
      << value(12);
  for (std::size_t i : {3u, 5u, 7u, 9u, 11u, 13u}) {
    EXPECT_TRUE(std::regex_match(value(i), hash)) << value(i);
  }
}

TEST(Hostile, ExtremeLengthsInEveryLayoutAndWithEveryAlgorithm) {
  struct Algorithm {
    const char* option_name;
    const char* shown;
    int digest_bytes;
  };
  const Algorithm algorithms[] = {
      {"md5", "MD5", 16},       {"sha1", "SHA1", 20},         {"sha2", "SHA2_256", 32},
      {"sha384", "SHA384", 48}, {"sha2_512", "SHA2_512", 64}, {"sha3_256", "SHA3_256", 32},
      {"sha3", "SHA3_384", 48}, {"sha3_512", "SHA3_512", 64},
  };
  const std::vector<std::vector<std::string>> layouts = {
      {}, {"-s"}, {"-c"}, {"-g"}, {"-o"}, {"-f"}, {"-p"}, {"-l"}, {"-q"}, {"-e", "-u", "#"}};
  for (int length : {8, 4096}) {
    for (const Algorithm& a : algorithms) {
      SCOPED_TRACE(std::to_string(length) + " " + a.option_name);
      const std::string hash_option = std::string("-$:") + a.option_name;
      const ChildResult verbose = RunKeyloomExe({std::to_string(length), hash_option, "-v"});
      EXPECT_EQ(verbose.exit_code, 0);
      CheckVerbose(verbose.out, length, a.shown, a.digest_bytes);
      for (const std::vector<std::string>& layout : layouts) {
        std::vector<std::string> args = {std::to_string(length), hash_option};
        args.insert(args.end(), layout.begin(), layout.end());
        const ChildResult child = RunKeyloomExe(args);
        EXPECT_EQ(child.exit_code, 0);
        EXPECT_EQ(child.err, "");
        CrLfLines(child.out);
      }
    }
  }
}

}  // namespace
}  // namespace keyloom
