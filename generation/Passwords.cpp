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

// A password under construction, held in the process's default code page. Each chosen byte
// arrives as a one-byte UTF-8 text: 7-bit bytes read alike in every page, while a byte above
// 127 is an incomplete sequence that a single-byte page stores as its replacement character.
class PasswordBuilder {
 public:
  explicit PasswordBuilder(std::int32_t length) {
    if (length > 0) bytes_.reserve(static_cast<std::size_t>(length));
  }
  void Add(char c) {
    if (static_cast<unsigned char>(c) < 0x80) {
      bytes_.push_back(c);
    } else {
      bytes_ += ConvertBytes(std::string_view(&c, 1), kUtf8CodePage, kAnsiCodePage);
    }
  }
  ByteString Finish() { return ByteString(std::move(bytes_), kAnsiCodePage); }

 private:
  std::string bytes_;
};

// Which bytes an exclusion set names, for a test per draw that does not depend on its size.
std::array<bool, 256> ExcludedBytes(const ByteString& exclusion_set) {
  std::array<bool, 256> excluded{};
  for (char c : exclusion_set.View()) excluded[static_cast<unsigned char>(c)] = true;
  return excluded;
}

}  // namespace

ByteString DefaultExclusionSet() {
  return ByteString("<>\"^'%&`|");
}
ByteString ExtendedExclusionSet() {
  return ByteString("<>\"^'%&`|!()");
}

ByteString MakeSimplePassword(std::int32_t length) {
  RandomSource& random = TheRandomSource();
  PasswordBuilder password(length);
  std::int32_t accepted = 0;
  while (accepted <= length - 1) {
    const int c = kSimpleFirst + random.RandomBelow(kSimpleCount);
    if (!IsSimpleChar(c)) continue;
    password.Add(static_cast<char>(c));
    ++accepted;
  }
  return password.Finish();
}

bool LeavesComplexCandidates(const ByteString& exclusion_set) {
  const std::array<bool, 256> excluded = ExcludedBytes(exclusion_set);
  for (int c = kComplexFirst; c < kComplexFirst + kComplexCount; ++c) {
    if (!excluded[static_cast<std::size_t>(c)]) return true;
  }
  return false;
}

ByteString MakeComplexPassword(std::int32_t length, const ByteString& exclusion_set) {
  // A set that excludes every candidate would never let the loop end.
  if (length <= 0 || !LeavesComplexCandidates(exclusion_set)) return PasswordBuilder(0).Finish();
  RandomSource& random = TheRandomSource();
  const std::array<bool, 256> excluded = ExcludedBytes(exclusion_set);
  PasswordBuilder password(length);
  std::int32_t accepted = 0;
  while (accepted <= length - 1) {
    const int c = kComplexFirst + random.RandomBelow(kComplexCount);
    if (excluded[static_cast<std::size_t>(c)]) continue;
    password.Add(static_cast<char>(c));
    ++accepted;
  }
  return password.Finish();
}

ByteString MakeCustomPassword(std::int32_t length, const ByteString& inclusion_set) {
  const std::string_view upper = "ABCDEFGHIJKLMNOPQRSTUVWXYZ";
  const std::string_view lower = "abcdefghijklmnopqrstuvwxyz";
  const std::string_view digits = "0123456789";
  const std::string_view included = inclusion_set.View();
  std::string pool;
  pool.reserve(72 + 2 * included.size());
  pool += upper;
  pool += digits;
  pool += included;
  pool += lower;
  pool += digits;
  pool += included;

  RandomSource& random = TheRandomSource();
  PasswordBuilder password(length);
  const auto pool_length = static_cast<std::int32_t>(pool.size());
  for (std::int32_t i = 0; i < length; ++i) {
    password.Add(pool[static_cast<std::size_t>(random.RandomBelow(pool_length))]);
  }
  return password.Finish();
}

}  // namespace keyloom
