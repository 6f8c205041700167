#include <gtest/gtest.h>

#include <map>
#include <random>
#include <set>

#include "generation/Passwords.h"
#include "generation/RandomSource.h"
#include "tests/support/FakePlatform.h"

namespace keyloom {
namespace {

// Draws from std::mt19937 the way the generators do, as an independent reference.
class ReferenceDraws {
 public:
  explicit ReferenceDraws(std::uint32_t seed) : engine_(seed) {}
  std::int32_t Below(std::int32_t n) {
    return static_cast<std::int32_t>((static_cast<std::uint64_t>(n) * engine_()) >> 32);
  }
  std::uint32_t Word() { return engine_(); }

 private:
  std::mt19937 engine_;
};

class PasswordsTest : public ::testing::Test {
 protected:
  void Seed(std::uint32_t seed) {
    TheRandomSource() = RandomSource();
    SeedRandom(seed);
  }
  testing::FakePlatform platform_;  // UTF-8 unless a test says otherwise
};

TEST_F(PasswordsTest, SimplePasswordDiscardsTheThirteenPunctuationCodes) {
  Seed(1234);
  ReferenceDraws ref(1234);
  const ByteString pwd = MakeSimplePassword(64);
  std::string expected;
  while (expected.size() < 64) {
    const char c = static_cast<char>(48 + ref.Below(75));
    if (std::isalnum(static_cast<unsigned char>(c))) expected += c;
  }
  EXPECT_EQ(pwd.Bytes(), expected);
  EXPECT_EQ(TheRandomSource().NextRandomWord(), ref.Word()) << "draw count differs";
}

TEST_F(PasswordsTest, ComplexPasswordSkipsExcludedBytesCaseSensitively) {
  Seed(99);
  ReferenceDraws ref(99);
  const ByteString exclusion = "a<>\"^'%&`|";
  const ByteString pwd = MakeComplexPassword(500, exclusion);
  std::string expected;
  while (expected.size() < 500) {
    const char c = static_cast<char>(33 + ref.Below(94));
    if (exclusion.View().find(c) == std::string_view::npos) expected += c;
  }
  EXPECT_EQ(pwd.Bytes(), expected);
  EXPECT_EQ(pwd.View().find('a'), std::string_view::npos);
  EXPECT_NE(pwd.View().find('A'), std::string_view::npos);
  EXPECT_EQ(TheRandomSource().NextRandomWord(), ref.Word());
}

TEST_F(PasswordsTest, ComplexPasswordWithEmptySetCanHoldEveryCandidateButSpace) {
  Seed(7);
  const ByteString pwd = MakeComplexPassword(4096, ByteString());
  const std::set<char> seen(pwd.View().begin(), pwd.View().end());
  EXPECT_EQ(seen.size(), 94u);
  EXPECT_EQ(*seen.begin(), '!');
  EXPECT_EQ(*seen.rbegin(), '~');
}

TEST_F(PasswordsTest, ExclusionBytesOutsideTheCandidatesExcludeNothing) {
  Seed(5);
  const ByteString with_noise(std::string(" \x01\xE9<<>>\"^'%&`|"), kAnsiCodePage);
  const ByteString a = MakeComplexPassword(300, with_noise);
  Seed(5);
  const ByteString b = MakeComplexPassword(300, DefaultExclusionSet());
  EXPECT_EQ(a.Bytes(), b.Bytes());
}

TEST_F(PasswordsTest, ExtendedSetLeavesAsteriskBackslashAndSlashPossible) {
  EXPECT_EQ(ExtendedExclusionSet().Bytes(), "<>\"^'%&`|!()");
  Seed(11);
  const ByteString pwd = MakeComplexPassword(4096, ExtendedExclusionSet());
  for (char c : {'*', '\\', '/'}) EXPECT_NE(pwd.View().find(c), std::string_view::npos) << c;
  const ByteString excluded = ExtendedExclusionSet();
  for (char c : excluded.View()) EXPECT_EQ(pwd.View().find(c), std::string_view::npos);
}

TEST_F(PasswordsTest, ASetOfAllCandidatesIsRefusedWithoutDrawing) {
  std::string all;
  for (int c = 33; c <= 126; ++c) all += static_cast<char>(c);
  EXPECT_FALSE(LeavesComplexCandidates(ByteString(all)));
  EXPECT_TRUE(LeavesComplexCandidates(ByteString(all.substr(1))));
  Seed(3);
  EXPECT_TRUE(MakeComplexPassword(16, ByteString(all)).Empty());
  std::mt19937 ref(3);
  EXPECT_EQ(TheRandomSource().NextRandomWord(), ref());
}

TEST_F(PasswordsTest, CustomPoolOrderAndWeights) {
  Seed(2024);
  ReferenceDraws ref(2024);
  const std::string pool =
      "ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789#0abcdefghijklmnopqrstuvwxyz0123456789#0";
  const ByteString pwd = MakeCustomPassword(3000, "#0");
  std::string expected;
  for (int i = 0; i < 3000; ++i) expected += pool[static_cast<std::size_t>(ref.Below(76))];
  EXPECT_EQ(pwd.Bytes(), expected);
}

TEST_F(PasswordsTest, CustomPoolWithEmptySetHasSeventyTwoEntries) {
  Seed(8);
  ReferenceDraws ref(8);
  const std::string pool =
      "ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789abcdefghijklmnopqrstuvwxyz0123456789";
  const ByteString pwd = MakeCustomPassword(100, ByteString());
  std::string expected;
  for (int i = 0; i < 100; ++i) expected += pool[static_cast<std::size_t>(ref.Below(72))];
  EXPECT_EQ(pwd.Bytes(), expected);
}

TEST_F(PasswordsTest, HighInclusionByteBecomesQuestionMarkInSingleBytePage) {
  platform_.UseCodePage(1252);
  Seed(31);
  const ByteString pwd = MakeCustomPassword(2000, ByteString(std::string("\xE9"), kAnsiCodePage));
  Seed(31);
  ReferenceDraws ref(31);
  std::size_t marks = 0;
  for (int i = 0; i < 2000; ++i) {
    const std::int32_t r = ref.Below(74);
    const bool high = r == 36 || r == 73;
    EXPECT_EQ(pwd[static_cast<std::size_t>(i)] == '?', high) << i;
    marks += high;
  }
  EXPECT_EQ(pwd.Length(), 2000u);
  EXPECT_GT(marks, 0u);
}

TEST_F(PasswordsTest, HighInclusionByteStaysWhenTheDefaultPageIsUtf8) {
  Seed(31);
  const ByteString pwd = MakeCustomPassword(2000, ByteString(std::string("\xE9"), kAnsiCodePage));
  EXPECT_NE(pwd.View().find('\xE9'), std::string_view::npos);
  EXPECT_EQ(pwd.View().find('?'), std::string_view::npos);
}

TEST_F(PasswordsTest, NonPositiveLengthGivesEmptyPasswordsAndDrawsNothing) {
  Seed(1);
  EXPECT_TRUE(MakeSimplePassword(0).Empty());
  EXPECT_TRUE(MakeComplexPassword(-3, ByteString()).Empty());
  EXPECT_TRUE(MakeCustomPassword(0, ByteString()).Empty());
  std::mt19937 ref(1);
  EXPECT_EQ(TheRandomSource().NextRandomWord(), ref());
}

}  // namespace
}  // namespace keyloom
