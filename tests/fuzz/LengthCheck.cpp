#include <charconv>
#include <cinttypes>
#include <cstdio>
#include <string>

#include "frontend/Options.h"
#include "tests/fuzz/FuzzChecks.h"

namespace keyloom::fuzz {

std::optional<std::int32_t> ReferenceLength(std::string_view text) {
  if (text.size() >= 256) return std::nullopt;
  const std::size_t first = text.find_first_not_of(" \t");
  if (first == std::string_view::npos) return std::nullopt;
  std::string_view rest = text.substr(first);
  bool minus = false;
  if (rest.front() == '+' || rest.front() == '-') {
    minus = rest.front() == '-';
    rest.remove_prefix(1);
  }
  int base = 10;
  if (rest.starts_with("0x") || rest.starts_with("0X")) {
    base = 16;
    rest.remove_prefix(2);
  } else if (!rest.empty() && (rest.front() == '$' || rest.front() == 'x' || rest.front() == 'X')) {
    base = 16;
    rest.remove_prefix(1);
  } else if (!rest.empty() && rest.front() == '%') {
    base = 2;
    rest.remove_prefix(1);
  } else if (!rest.empty() && rest.front() == '&') {
    base = 8;
    rest.remove_prefix(1);
  }
  const std::string_view allowed = base == 16   ? "0123456789abcdefABCDEF"
                                   : base == 10 ? "0123456789"
                                   : base == 8  ? "01234567"
                                                : "01";
  if (rest.empty() || rest.find_first_not_of(allowed) != std::string_view::npos) {
    return std::nullopt;
  }
  // Leading zeros do not count towards the value; what is left fits from_chars' 64 bits
  // only when it is short enough, and anything longer is far beyond 32 bits anyway.
  const std::size_t nonzero = rest.find_first_not_of('0');
  rest = nonzero == std::string_view::npos ? std::string_view("0") : rest.substr(nonzero);
  if (rest.size() > 40) return std::nullopt;
  unsigned long long magnitude = 0;
  const auto [end, error] =
      std::from_chars(rest.data(), rest.data() + rest.size(), magnitude, base);
  if (error != std::errc() || end != rest.data() + rest.size()) return std::nullopt;
  const unsigned long long limit =
      base != 10 ? 4294967295ull : (minus ? 2147483648ull : 2147483647ull);
  if (magnitude > limit) return std::nullopt;
  const long long wide =
      minus ? -static_cast<long long>(magnitude) : static_cast<long long>(magnitude);
  // Two's complement wrap into 32 bits.
  const auto low =
      static_cast<std::uint32_t>(static_cast<unsigned long long>(wide) & 0xFFFFFFFFull);
  return low >= 0x80000000u ? static_cast<std::int32_t>(static_cast<long long>(low) - 4294967296ll)
                            : static_cast<std::int32_t>(low);
}

std::string CheckLength(const std::uint8_t* data, std::size_t size) {
  const std::string text(reinterpret_cast<const char*>(data), size);
  const std::optional<std::int32_t> expected = ReferenceLength(text);
  constexpr std::int32_t kUntouched = 0x5EEDF00D;
  std::int32_t value = kUntouched;
  const bool accepted = ParseLength(text, value);
  char report[160];
  if (accepted != expected.has_value()) {
    std::snprintf(report, sizeof report, "ParseLength %s a text the rule %s",
                  accepted ? "accepts" : "refuses", accepted ? "refuses" : "accepts");
    return report;
  }
  if (!accepted && value != kUntouched) return "ParseLength changed the value of a refused text";
  if (accepted && value != *expected) {
    std::snprintf(report, sizeof report, "ParseLength gives %" PRId32 ", the rule %" PRId32, value,
                  *expected);
    return report;
  }
  return {};
}

}  // namespace keyloom::fuzz
