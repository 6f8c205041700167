#include <gtest/gtest.h>

#include <random>
#include <regex>

#include "digest/HashText.h"
#include "generation/Guid.h"
#include "generation/Passwords.h"
#include "generation/RandomSource.h"

namespace keyloom {
namespace {

TEST(Guid, CutFromTheSha512TextOfAbc) {
  EXPECT_EQ(GuidFromHashText(MakeHashText("abc", "SHA2_512")).Bytes(),
            "{ddaf35a1-9361-7aba-cc41-7349ae204131}");
}

TEST(Guid, DerivedFromAFreshComplexTextAndDrawsItsLength) {
  TheRandomSource() = RandomSource();
  SeedRandom(4242);
  const ByteString text = MakeComplexPassword(4096, ByteString());
  TheRandomSource() = RandomSource();
  SeedRandom(4242);
  const ByteString guid = MakeGuid(4096);
  EXPECT_EQ(guid.Bytes(), GuidFromHashText(MakeHashText(text, "SHA2_512")).Bytes());
  EXPECT_TRUE(std::regex_match(guid.Bytes(),
                               std::regex(R"(\{[0-9a-f]{8}(-[0-9a-f]{4}){3}-[0-9a-f]{12}\})")))
      << guid.Bytes();
  std::mt19937 ref(4242);
  ref.discard(4096);
  EXPECT_EQ(TheRandomSource().NextRandomWord(), ref());
}

}  // namespace
}  // namespace keyloom
