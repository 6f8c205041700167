#include "bytestring/ByteString.h"

namespace keyloom {
namespace {

char UpperChar(char c) {
  return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 32) : c;
}
char LowerChar(char c) {
  return (c >= 'A' && c <= 'Z') ? static_cast<char>(c + 32) : c;
}

}  // namespace

ByteString& ByteString::Append(const ByteString& other) {
  bytes_ += ConvertBytes(other.bytes_, other.tag_, tag_);
  return *this;
}

ByteString& ByteString::AppendRaw(std::string_view bytes) {
  bytes_ += bytes;
  return *this;
}

ByteString ByteString::Sub(std::size_t start, std::size_t count) const {
  if (start >= bytes_.size()) return ByteString(std::string(), tag_);
  return ByteString(bytes_.substr(start, count), tag_);
}

ByteString ByteString::ConvertedTo(CodePage tag) const {
  return ByteString(ConvertBytes(bytes_, tag_, tag), tag);
}

ByteString operator+(ByteString a, const ByteString& b) {
  return std::move(a.Append(b));
}

ByteString UpperAscii(ByteString text) {
  std::string bytes = text.Bytes();
  for (char& c : bytes) c = UpperChar(c);
  return ByteString(std::move(bytes), text.Tag());
}

ByteString LowerAscii(ByteString text) {
  std::string bytes = text.Bytes();
  for (char& c : bytes) c = LowerChar(c);
  return ByteString(std::move(bytes), text.Tag());
}

bool SameTextAscii(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (UpperChar(a[i]) != UpperChar(b[i])) return false;
  }
  return true;
}

ByteString ReplaceAllAsciiNoCase(const ByteString& text, std::string_view what,
                                 std::string_view with) {
  if (what.empty()) return text;
  const std::string_view in = text.View();
  std::string out;
  std::size_t i = 0;
  while (i < in.size()) {
    if (i + what.size() <= in.size() && SameTextAscii(in.substr(i, what.size()), what)) {
      out += with;
      i += what.size();
    } else {
      out.push_back(in[i]);
      ++i;
    }
  }
  return ByteString(std::move(out), text.Tag());
}

ByteString DecimalText(long long value) {
  return ByteString(std::to_string(value));
}

}  // namespace keyloom
