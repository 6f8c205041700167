#include <gtest/gtest.h>

#include "bytestring/ByteString.h"
#include "bytestring/Utf8.h"
#include "tests/support/FakePlatform.h"

namespace keyloom {
namespace {

TEST(Utf8, DecodesWellFormedSequences) {
  EXPECT_EQ(Utf8ToUtf16("A\xC3\xA9\xE2\x82\xAC\xF0\x9F\x98\x80"),
            (std::u16string{u'A', 0xE9, 0x20AC, 0xD83D, 0xDE00}));
}

TEST(Utf8, EachMaximalIllFormedSubpartBecomesOneReplacement) {
  struct Case {
    const char* bytes;
    std::u16string expected;
  };
  const Case cases[] = {
      {"\xE9", u"\uFFFD"},
      {"\xE2\x82x", u"\uFFFDx"},
      {"\xE2\x82", u"\uFFFD"},
      {"\x80\x80", u"\uFFFD\uFFFD"},
      {"\xC0\xAF", u"\uFFFD\uFFFD"},            // overlong lead bytes never start a sequence
      {"\xED\xA0\x80", u"\uFFFD\uFFFD\uFFFD"},  // an encoded surrogate is not a subpart
      {"\xF4\x90\x80\x80", u"\uFFFD\uFFFD\uFFFD\uFFFD"},
      {"\xF0\x9F\x98", u"\uFFFD"},
      {"a\xFFz", u"a\uFFFDz"},
  };
  for (const Case& c : cases) EXPECT_EQ(Utf8ToUtf16(c.bytes), c.expected) << c.bytes;
}

TEST(Utf8, EncodesAndReplacesUnpairedSurrogates) {
  EXPECT_EQ(Utf16ToUtf8(u"\u00E9\u20AC"), "\xC3\xA9\xE2\x82\xAC");
  EXPECT_EQ(Utf16ToUtf8(std::u16string{0xD800, u'x'}), "\xEF\xBF\xBDx");
  EXPECT_EQ(Utf16ToUtf8(std::u16string{0xD83D, 0xDE00}), "\xF0\x9F\x98\x80");
}

TEST(ByteStringAppend, ConvertsBetweenCodePages) {
  testing::FakePlatform platform;
  platform.UseCodePage(1252);
  ByteString ansi(std::string("x"), kAnsiCodePage);
  ansi.Append(ByteString(std::string("\xE9"), kUtf8CodePage));          // lone byte: U+FFFD
  ansi.Append(ByteString(std::string("\xC3\xA9"), kUtf8CodePage));      // e acute
  ansi.Append(ByteString(std::string("\xE2\x82\xAC"), kUtf8CodePage));  // euro sign
  ansi.Append(ByteString(std::string("\xE4\xB8\x80"), kUtf8CodePage));  // not in 1252
  EXPECT_EQ(ansi.Bytes(), "x?\xE9\x80?");
  EXPECT_EQ(ansi.ConvertedTo(kUtf8CodePage).Bytes(), "x?\xC3\xA9\xE2\x82\xAC?");
}

TEST(ByteStringAppend, KeepsBytesWhenBothTagsMeanUtf8) {
  testing::FakePlatform platform;  // ANSI is UTF-8
  ByteString ansi(std::string("x"), kAnsiCodePage);
  ansi.Append(ByteString(std::string("\xE9"), kUtf8CodePage));
  EXPECT_EQ(ansi.Bytes(), "x\xE9");
}

TEST(AsciiHelpers, MapOnlyAsciiLetters) {
  EXPECT_EQ(UpperAscii(ByteString(std::string("az\xE9-Z"))).Bytes(), "AZ\xE9-Z");
  EXPECT_EQ(LowerAscii(ByteString(std::string("AZ\xC9-z"))).Bytes(), "az\xC9-z");
  EXPECT_TRUE(SameTextAscii("FileVersion", "FILEVERSION"));
  EXPECT_EQ(ReplaceAllAsciiNoCase("Copyright copyright x", "copyright ", "C ").Bytes(), "C C x");
}

}  // namespace
}  // namespace keyloom
