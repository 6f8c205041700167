// MakeHashText: the name table with its aliases and SHA-1 fallback, the bracketed text, and
// the UTF-8 form of texts in other code pages.
#include <gtest/gtest.h>

#include "digest/HashText.h"
#include "digest/Md5Sha1.h"
#include "digest/Sha3.h"
#include "tests/support/FakePlatform.h"

namespace keyloom {
namespace {

TEST(HashText, KnownDigestsInBrackets) {
  EXPECT_EQ(MakeHashText("abc", "MD5").Bytes(), "[900150983cd24fb0d6963f7d28e17f72]");
  EXPECT_EQ(MakeHashText("abc", "sha1").Bytes(), "[a9993e364706816aba3e25717850c26c9cd0d89d]");
  EXPECT_EQ(MakeHashText("", "MD5").Bytes(), "[d41d8cd98f00b204e9800998ecf8427e]");
  EXPECT_EQ(MakeHashText("abc", "Sha3_256").Bytes(),
            "[3a985da74fe225b2045c172d6bd390bd855f086e3e9d525b46bfe24511431532]");
}

TEST(HashText, NameTableSelectsTheEngineClass) {
  const std::pair<const char*, const char*> kExpected[] = {
      {"MD5", "TMD5"},           {"SHA1", "TSHA1"},
      {"SHA2_256", "TSHA2_256"}, {"SHA256", "TSHA2_256"},
      {"SHA2", "TSHA2_256"},     {"SHA2_384", "TSHA2_384"},
      {"SHA384", "TSHA2_384"},   {"SHA2_512", "TSHA2_512"},
      {"SHA512", "TSHA2_512"},   {"SHA3_256", "TSHA3_256"},
      {"SHA3_384", "TSHA3_384"}, {"SHA3", "TSHA3_384"},
      {"SHA3_512", "TSHA3_512"}, {"sha3_512", "TSHA3_512"},
      {"Sha256", "TSHA2_256"},   {" SHA256", "TSHA1"},
      {"SHA-256", "TSHA1"},      {"MD4", "TSHA1"},
      {"SHA224", "TSHA1"},       {"", "TSHA1"},
      {"SHA256 ", "TSHA1"},
  };
  for (const auto& [name, engine_class] : kExpected) {
    EXPECT_EQ(CreateHashEngine(name)->AlgorithmName().Bytes(), engine_class) << '"' << name << '"';
  }
  EXPECT_EQ(HashEngineNames.size(), 13u);
}

TEST(HashText, AliasesAndFallbackGiveTheSameText) {
  const ByteString text = "Keyloom 4096";
  const auto same = [&](std::initializer_list<const char*> names) {
    const ByteString first = MakeHashText(text, *names.begin());
    for (const char* name : names) EXPECT_EQ(MakeHashText(text, name), first) << name;
  };
  same({"SHA2", "SHA256", "Sha256", "SHA2_256"});
  same({"SHA3", "SHA3_384", "sha3"});
  same({"SHA512", "SHA2_512"});
  same({"SHA384", "SHA2_384"});
  same({"SHA1", "SHA224", "MD4", "SHA-256", " SHA256", ""});
}

TEST(HashText, LengthFollowsTheAlgorithm) {
  const std::pair<const char*, std::size_t> kLengths[] = {
      {"MD5", 34},     {"SHA1", 42},     {"SHA256", 66},   {"SHA384", 98},
      {"SHA512", 130}, {"SHA3_256", 66}, {"SHA3_384", 98}, {"SHA3_512", 130},
  };
  for (const auto& [name, length] : kLengths) {
    for (std::size_t n : {1, 4096}) {
      const ByteString hash = MakeHashText(ByteString(std::string(n, 'x')), name);
      EXPECT_EQ(hash.Length(), length) << name;
      EXPECT_EQ(hash[0], '[');
      EXPECT_EQ(hash[length - 1], ']');
      EXPECT_EQ(hash.View().find_first_not_of("[]0123456789abcdef"), std::string::npos);
    }
  }
}

ByteString HashTextOfBytes(const THashBytes& bytes) {
  TMD5 engine;
  return "[" + LowerAscii(engine.DigestOfBytes(bytes)->HexText(false)) + "]";
}

TEST(HashText, TextIsHashedInItsUtf8Form) {
  keyloom::testing::FakePlatform platform;
  platform.UseCodePage(1252);
  // e with acute accent, 0xE9 in Windows-1252, is U+00E9: C3 A9 in UTF-8.
  EXPECT_EQ(MakeHashText(ByteString(std::string("\xE9"), kAnsiCodePage), "MD5"),
            HashTextOfBytes({0xC3, 0xA9}));
  // A byte that cannot start a UTF-8 sequence becomes U+FFFD, EF BF BD.
  EXPECT_EQ(MakeHashText(ByteString(std::string("\xFF"), kUtf8CodePage), "MD5"),
            HashTextOfBytes({0xEF, 0xBF, 0xBD}));
  // Seven-bit texts are hashed as their own bytes whatever the code page.
  EXPECT_EQ(MakeHashText(ByteString(std::string("abc"), kAnsiCodePage), "MD5").Bytes(),
            "[900150983cd24fb0d6963f7d28e17f72]");
}

}  // namespace
}  // namespace keyloom
