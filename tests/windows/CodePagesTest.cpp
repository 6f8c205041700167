// The system's code-page conversions under Windows-1252 (the ANSI page Wine reports for an
// English locale): the append rule of the generators and the UTF-8 form that is hashed.
#include <windows.h>

#include <gtest/gtest.h>

#include "bytestring/ByteString.h"
#include "digest/HashText.h"
#include "generation/Passwords.h"
#include "generation/RandomSource.h"
#include "platform/windows/WindowsCodePages.h"
#include "tests/support/FakePlatform.h"

namespace keyloom {
namespace {

TEST(WindowsCodePages, ReportsTheSystemPages) {
  const WindowsCodePages pages;
  EXPECT_EQ(pages.AnsiCodePage(), ::GetACP());
  EXPECT_EQ(pages.OemCodePage(), ::GetOEMCP());
}

TEST(WindowsCodePages, EncodesTo1252WithTheDefaultCharacter) {
  const WindowsCodePages pages(1252, 850);
  struct Case {
    std::u16string text;
    std::string bytes;
  };
  // Windows-1252 as published: 0x80 is the euro sign, 0x9C the ligature oe, 0xE9 e acute.
  const Case cases[] = {
      {u"", ""},
      {u"abc", "abc"},
      {u"\u00E9", "\xE9"},
      {u"\u20AC\u0153", "\x80\x9C"},
      {u"\uFFFD", "?"},      // the replacement character has no place in the page
      {u"x\u4E00y", "x?y"},  // nor has a CJK ideograph
      {u"\u00FF\u00A9", "\xFF\xA9"},
  };
  for (const Case& c : cases) EXPECT_EQ(pages.Encode(c.text, 1252), c.bytes);
}

TEST(WindowsCodePages, DecodesFrom1252And850) {
  const WindowsCodePages pages(1252, 850);
  EXPECT_EQ(pages.Decode("\xE9\x80\x9C", 1252), u"\u00E9\u20AC\u0153");
  // The same byte is another letter in the OEM page 850: 0x82 is e acute there.
  EXPECT_EQ(pages.Decode("\x82", 850), u"\u00E9");
  EXPECT_EQ(pages.Decode("", 1252), u"");
}

TEST(WindowsCodePages, AnUnknownPageLosesTheTextVisibly) {
  const WindowsCodePages pages(1252, 850);
  EXPECT_EQ(pages.Encode(u"ab", 12345), "??");
  EXPECT_EQ(pages.Decode("ab", 12345), u"\uFFFD\uFFFD");
}

TEST(AppendRule, AHighByteBecomesAQuestionMarkUnder1252) {
  testing::FakePlatform platform;
  platform.UseCodePage(1252);
  ByteString password(std::string("ab"), kAnsiCodePage);
  password.Append(ByteString(std::string("\xE9"), kUtf8CodePage));
  password.Append(ByteString(std::string("#"), kUtf8CodePage));
  EXPECT_EQ(password.Bytes(), "ab?#");
}

// A custom password from an inclusion set holding 0xE9, made twice from the same seed: under
// UTF-8 the byte stands where it was chosen, under 1252 a question mark stands there.
TEST(AppendRule, TheCustomPasswordShowsAQuestionMarkWhereverTheHighByteWasChosen) {
  const ByteString inclusion(std::string("\xE9#"), kAnsiCodePage);
  testing::FakePlatform platform;

  platform.UseCodePage(kUtf8CodePage);
  SeedRandom(20260101);
  const std::string as_utf8 = MakeCustomPassword(400, inclusion).Bytes();

  platform.UseCodePage(1252);
  SeedRandom(20260101);
  const std::string as_1252 = MakeCustomPassword(400, inclusion).Bytes();

  ASSERT_EQ(as_utf8.size(), 400u);
  ASSERT_EQ(as_1252.size(), 400u);
  int high = 0;
  for (std::size_t i = 0; i < as_utf8.size(); ++i) {
    if (as_utf8[i] == '\xE9') {
      ++high;
      EXPECT_EQ(as_1252[i], '?') << i;
    } else {
      EXPECT_EQ(as_1252[i], as_utf8[i]) << i;
    }
  }
  // 0xE9 has weight 2 of 76; 400 draws choose it about 10 times.
  EXPECT_GT(high, 0);
  EXPECT_EQ(as_1252.find('\xE9'), std::string::npos);
}

TEST(HashText, A1252TextIsHashedAsItsUtf8Form) {
  testing::FakePlatform platform;
  platform.UseCodePage(1252);
  // SHA-1 of the two bytes C3 A9, computed elsewhere.
  const char* const kSha1OfC3A9 = "[bf15be717ac1b080b4f1c456692825891ff5073d]";
  EXPECT_EQ(MakeHashText(ByteString(std::string("\xE9"), kAnsiCodePage), "SHA1").Bytes(),
            kSha1OfC3A9);
  EXPECT_EQ(MakeHashText(ByteString(std::string("\xC3\xA9"), kUtf8CodePage), "SHA1").Bytes(),
            kSha1OfC3A9);
  // The question mark the append rule leaves is hashed as itself.
  EXPECT_EQ(MakeHashText(ByteString(std::string("?"), kAnsiCodePage), "SHA1").Bytes(),
            "[5bab61eb53176449e25c2c82f172b82cb13ffb9d]");
}

}  // namespace
}  // namespace keyloom
