// The byte string that every subsystem passes around: bytes plus the code-page tag that says
// how to read them. Appending a string of another encoding converts it first.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "bytestring/CodePage.h"

namespace keyloom {

class ByteString {
 public:
  ByteString() = default;
  ByteString(const char* ascii) : bytes_(ascii) {}  // NOLINT: literals are ASCII texts
  explicit ByteString(std::string bytes, CodePage tag = kAnsiCodePage)
      : bytes_(std::move(bytes)), tag_(tag) {}
  ByteString(std::string_view bytes, CodePage tag) : bytes_(bytes), tag_(tag) {}

  const std::string& Bytes() const { return bytes_; }
  std::string_view View() const { return bytes_; }
  CodePage Tag() const { return tag_; }
  std::size_t Length() const { return bytes_.size(); }
  bool Empty() const { return bytes_.empty(); }
  char operator[](std::size_t i) const { return bytes_[i]; }

  // Appends `other`, converted through UTF-16 into this string's code page when the two
  // tags stand for different pages.
  ByteString& Append(const ByteString& other);
  ByteString& operator+=(const ByteString& other) { return Append(other); }
  // Appends bytes taken to be in this string's own code page.
  ByteString& AppendRaw(std::string_view bytes);

  // Bytes from `start` (0-based), at most `count` of them, same tag.
  ByteString Sub(std::size_t start, std::size_t count = std::string::npos) const;
  // The same text in another code page.
  ByteString ConvertedTo(CodePage tag) const;
  std::u16string ToUtf16() const { return DecodeToUtf16(bytes_, tag_); }

  // Byte-wise equality; the tags do not take part.
  friend bool operator==(const ByteString& a, const ByteString& b) { return a.bytes_ == b.bytes_; }

 private:
  std::string bytes_;
  CodePage tag_ = kAnsiCodePage;
};

ByteString operator+(ByteString a, const ByteString& b);

// ASCII-only case mapping: "a".."z" <-> "A".."Z", every other byte unchanged.
ByteString UpperAscii(ByteString text);
ByteString LowerAscii(ByteString text);
// Case-insensitive (ASCII letters only) comparison and replacement of every occurrence.
bool SameTextAscii(std::string_view a, std::string_view b);
ByteString ReplaceAllAsciiNoCase(const ByteString& text, std::string_view what,
                                 std::string_view with);
// Decimal form of a number, no blanks or leading zeros.
ByteString DecimalText(long long value);

}  // namespace keyloom
