#include "platform/posix/PosixCodePages.h"

#include <iconv.h>
#include <langinfo.h>

#include <cerrno>
#include <clocale>
#include <cstring>

#include "bytestring/Utf8.h"

namespace keyloom {
namespace {

struct CharsetEntry {
  const char* name;  // as glibc's nl_langinfo(CODESET) spells it, and as iconv accepts it
  CodePage page;
};

// Windows code-page numbers of the character sets a POSIX locale commonly uses.
constexpr CharsetEntry kCharsets[] = {
    {"ISO-8859-1", 28591}, {"ISO-8859-2", 28592},  {"ISO-8859-3", 28593},  {"ISO-8859-4", 28594},
    {"ISO-8859-5", 28595}, {"ISO-8859-6", 28596},  {"ISO-8859-7", 28597},  {"ISO-8859-8", 28598},
    {"ISO-8859-9", 28599}, {"ISO-8859-13", 28603}, {"ISO-8859-15", 28605}, {"KOI8-R", 20866},
    {"KOI8-U", 21866},     {"CP1250", 1250},       {"CP1251", 1251},       {"CP1252", 1252},
    {"CP1253", 1253},      {"CP1254", 1254},       {"CP1255", 1255},       {"CP1256", 1256},
    {"CP1257", 1257},      {"CP1258", 1258},       {"CP437", 437},         {"CP850", 850},
    {"CP866", 866},        {"SHIFT_JIS", 932},     {"GBK", 936},           {"GB2312", 936},
    {"EUC-KR", 949},       {"BIG5", 950},          {"EUC-JP", 20932},      {"TIS-620", 874},
};

bool SameCharsetName(std::string_view a, const char* b) {
  if (a.size() != std::strlen(b)) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    char c = a[i];
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 32);
    if (c != b[i]) return false;
  }
  return true;
}

// Runs iconv over the whole input. An input byte sequence that the source set does not
// define, or a character the target cannot hold, is skipped and `replacement` written.
std::string RunIconv(const char* to, const char* from, std::string_view input, std::size_t unit,
                     std::string_view replacement) {
  iconv_t cd = iconv_open(to, from);
  if (cd == reinterpret_cast<iconv_t>(-1)) return std::string(input);
  std::string out;
  char buffer[1024];
  char* in = const_cast<char*>(input.data());
  std::size_t in_left = input.size();
  while (in_left > 0) {
    char* dst = buffer;
    std::size_t dst_left = sizeof buffer;
    const std::size_t rc = iconv(cd, &in, &in_left, &dst, &dst_left);
    out.append(buffer, static_cast<std::size_t>(dst - buffer));
    if (rc == static_cast<std::size_t>(-1)) {
      if (errno == E2BIG) continue;
      // EILSEQ or EINVAL: one unit of input cannot be converted.
      const std::size_t skip = in_left < unit ? in_left : unit;
      in += skip;
      in_left -= skip;
      out += replacement;
    }
  }
  char* dst = buffer;
  std::size_t dst_left = sizeof buffer;
  iconv(cd, nullptr, nullptr, &dst, &dst_left);
  out.append(buffer, static_cast<std::size_t>(dst - buffer));
  iconv_close(cd);
  return out;
}

}  // namespace

CodePage CodePageOfCharset(std::string_view charset) {
  for (const auto& entry : kCharsets) {
    if (SameCharsetName(charset, entry.name)) return entry.page;
  }
  return kUtf8CodePage;
}

const char* IconvNameOfCodePage(CodePage page) {
  for (const auto& entry : kCharsets) {
    if (entry.page == page) return entry.name;
  }
  return nullptr;
}

PosixCodePages PosixCodePages::FromLocale() {
  if (std::setlocale(LC_CTYPE, "") == nullptr) return PosixCodePages(kUtf8CodePage);
  return PosixCodePages(CodePageOfCharset(nl_langinfo(CODESET)));
}

std::u16string PosixCodePages::Decode(std::string_view bytes, CodePage page) const {
  const char* name = IconvNameOfCodePage(page);
  if (name == nullptr) return Utf8ToUtf16(bytes);
  const std::string wide = RunIconv("UTF-16LE", name, bytes, 1, std::string_view("\xFD\xFF", 2));
  std::u16string out(wide.size() / 2, u'\0');
  for (std::size_t i = 0; i < out.size(); ++i) {
    out[i] = static_cast<char16_t>(static_cast<unsigned char>(wide[2 * i]) |
                                   (static_cast<unsigned char>(wide[2 * i + 1]) << 8));
  }
  return out;
}

std::string PosixCodePages::Encode(std::u16string_view text, CodePage page) const {
  const char* name = IconvNameOfCodePage(page);
  if (name == nullptr) return Utf16ToUtf8(text);
  std::string wide(text.size() * 2, '\0');
  for (std::size_t i = 0; i < text.size(); ++i) {
    wide[2 * i] = static_cast<char>(text[i] & 0xFF);
    wide[2 * i + 1] = static_cast<char>(text[i] >> 8);
  }
  return RunIconv(name, "UTF-16LE", wide, 2, "?");
}

}  // namespace keyloom
