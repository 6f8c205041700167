#include "generation/Passwords.h"

#include <array>

#include "generation/RandomSource.h"

namespace keyloom {
namespace {

constexpr int kSimpleFirst = 48;   // "0"
constexpr int kSimpleCount = 75;   // "0".."z"
constexpr int kComplexFirst = 33;  // "!"
constexpr int kComplexCount = 94;  // "!".."~"

bool IsSimpleChar(int c) {
  return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

// Appends one chosen byte: it arrives as a one-byte UTF-8 text, so in a password held in
// another code page a byte above 127 turns into that page's replacement for U+FFFD.
void AppendChosen(ByteString& password, char c) {
  if (static_cast<unsigned char>(c) < 0x80) {
    password.AppendRaw(std::string_view(&c, 1));  // 7-bit bytes read alike in every page
  } else {
    password.Append(ByteString(std::string_view(&c, 1), kUtf8CodePage));
  }
}

ByteString EmptyPassword() {
  return ByteString(std::string(), kAnsiCodePage);
}

}  // namespace

ByteString DefaultExclusionSet() {
  return ByteString("<>\"^'%&`|");
}
ByteString ExtendedExclusionSet() {
  return ByteString("<>\"^'%&`|!()");
}

ByteString MakeSimplePassword(std::int32_t length) {
  ByteString password = EmptyPassword();
  std::int32_t accepted = 0;
  while (accepted <= length - 1) {
    const int c = kSimpleFirst + RandomBelow(kSimpleCount);
    if (!IsSimpleChar(c)) continue;
    AppendChosen(password, static_cast<char>(c));
    ++accepted;
  }
  return password;
}

bool LeavesComplexCandidates(const ByteString& exclusion_set) {
  std::array<bool, 256> excluded{};
  for (char c : exclusion_set.View()) excluded[static_cast<unsigned char>(c)] = true;
  for (int c = kComplexFirst; c < kComplexFirst + kComplexCount; ++c) {
    if (!excluded[static_cast<std::size_t>(c)]) return true;
  }
  return false;
}

ByteString MakeComplexPassword(std::int32_t length, const ByteString& exclusion_set) {
  ByteString password = EmptyPassword();
  // A set that excludes every candidate would never let the loop end.
  if (length <= 0 || !LeavesComplexCandidates(exclusion_set)) return password;
  const std::string_view excluded = exclusion_set.View();
  std::int32_t accepted = 0;
  while (accepted <= length - 1) {
    const char c = static_cast<char>(kComplexFirst + RandomBelow(kComplexCount));
    if (excluded.find(c) != std::string_view::npos) continue;
    AppendChosen(password, c);
    ++accepted;
  }
  return password;
}

ByteString MakeCustomPassword(std::int32_t length, const ByteString& inclusion_set) {
  const std::string_view upper = "ABCDEFGHIJKLMNOPQRSTUVWXYZ";
  const std::string_view digits = "0123456789";
  const std::string_view included = inclusion_set.View();
  std::string pool;
  pool.reserve(72 + 2 * included.size());
  pool += upper;
  pool += digits;
  pool += included;
  pool += LowerAscii(ByteString(std::string(upper))).View();
  pool += digits;
  pool += included;

  ByteString password = EmptyPassword();
  const auto pool_length = static_cast<std::int32_t>(pool.size());
  for (std::int32_t i = 0; i < length; ++i) {
    AppendChosen(password, pool[static_cast<std::size_t>(RandomBelow(pool_length))]);
  }
  return password;
}

}  // namespace keyloom
