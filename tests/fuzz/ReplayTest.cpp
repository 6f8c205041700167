// Every seed and every kept crashing input of the fuzz targets, replayed through the same
// checks the fuzzers run.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "tests/fuzz/FuzzChecks.h"

namespace keyloom::fuzz {
namespace {

namespace fs = std::filesystem;
using Check = std::string (*)(const std::uint8_t*, std::size_t);

// Replays every file of corpus/<target> and regressions/<target>; returns how many.
int ReplayAll(const std::string& target, Check check) {
  int replayed = 0;
  for (const char* folder : {"corpus", "regressions"}) {
    const fs::path dir = fs::path(KEYLOOM_FUZZ_DIR) / folder / target;
    if (!fs::is_directory(dir)) continue;
    for (const fs::directory_entry& entry : fs::directory_iterator(dir)) {
      if (!entry.is_regular_file()) continue;
      std::ifstream file(entry.path(), std::ios::binary);
      const std::string bytes{std::istreambuf_iterator<char>(file),
                              std::istreambuf_iterator<char>()};
      EXPECT_EQ(check(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size()), "")
          << entry.path();
      ++replayed;
    }
  }
  return replayed;
}

TEST(FuzzReplay, Invocation) {
  EXPECT_GT(ReplayAll("invocation", CheckInvocation), 0);
}

TEST(FuzzReplay, Length) {
  EXPECT_GT(ReplayAll("length", CheckLength), 0);
}

TEST(FuzzReplay, Digest) {
  EXPECT_GT(ReplayAll("digest", CheckDigest), 0);
}

// The checks themselves must notice what they are written to notice.
TEST(FuzzChecks, ReferenceLengthFollowsTheRule) {
  struct Case {
    const char* text;
    std::optional<std::int32_t> value;
  };
  const Case cases[] = {
      {"20", 20},         {" \t+$14", 20},    {"0X14", 20},      {"%10100", 20},
      {"&24", 20},        {"-$10", -16},      {"$FFFFFFF8", -8}, {"-2147483648", INT32_MIN},
      {"2147483648", {}}, {"$100000000", {}}, {"20 ", {}},       {"0x", {}},
      {"+-5", {}},        {"x", {}},          {"", {}},          {"-%", {}},
  };
  for (const Case& c : cases) EXPECT_EQ(ReferenceLength(c.text), c.value) << c.text;
  EXPECT_EQ(ReferenceLength(std::string(250, '0') + "12345"), 12345);
  EXPECT_EQ(ReferenceLength(std::string(251, '0') + "12345"), std::nullopt);
}

}  // namespace
}  // namespace keyloom::fuzz
