// Code pages on POSIX: the ANSI and OEM tags both stand for the locale's character set,
// and pages other than UTF-8 are converted through the C library's iconv.
#pragma once

#include <string_view>

#include "bytestring/CodePage.h"

namespace keyloom {

class PosixCodePages final : public CodePageSystem {
 public:
  // Both tags stand for `page`.
  explicit PosixCodePages(CodePage page) : page_(page) {}
  // Reads the character set of the user's locale (setlocale of LC_CTYPE with the empty
  // name). The C and POSIX locales, ASCII and unknown sets count as UTF-8.
  static PosixCodePages FromLocale();

  CodePage AnsiCodePage() const override { return page_; }
  CodePage OemCodePage() const override { return page_; }
  std::u16string Decode(std::string_view bytes, CodePage page) const override;
  std::string Encode(std::u16string_view text, CodePage page) const override;

 private:
  CodePage page_;
};

// The numeric code page of a character-set name as nl_langinfo(CODESET) gives it, 65001 for
// UTF-8 and for any set that has no number here.
CodePage CodePageOfCharset(std::string_view charset);
// The iconv name of a numeric code page, or nullptr when it has none.
const char* IconvNameOfCodePage(CodePage page);

}  // namespace keyloom
