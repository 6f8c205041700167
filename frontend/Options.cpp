#include "frontend/Options.h"

#include <algorithm>
#include <initializer_list>

#include "buildinfo/Banner.h"
#include "frontend/Help.h"
#include "generation/Passwords.h"

namespace keyloom {
namespace {

constexpr std::size_t kMaxNumberText = 255;
const ByteString kTwoBlanks = "  ";

int DigitValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  return 99;
}

bool IsOneOf(std::string_view prefix, std::initializer_list<std::string_view> texts) {
  return std::find(texts.begin(), texts.end(), prefix) != texts.end();
}

// -S, -C and -O show the length and hash name beside every hashed password.
void UseColumns(RunSettings& s) {
  s.LengthColumn = s.LengthText;
  s.HashNameColumn = s.HashName + kTwoBlanks;
}

}  // namespace

bool ParseLength(std::string_view text, std::int32_t& value) {
  if (text.size() > kMaxNumberText) return false;
  std::size_t i = 0;
  while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
    negative = text[i] == '-';
    ++i;
  }
  int base = 10;
  if (i < text.size() && (text[i] == '$' || text[i] == 'x' || text[i] == 'X')) {
    base = 16;
    ++i;
  } else if (i + 1 < text.size() && text[i] == '0' && (text[i + 1] == 'x' || text[i + 1] == 'X')) {
    base = 16;
    i += 2;
  } else if (i < text.size() && text[i] == '%') {
    base = 2;
    ++i;
  } else if (i < text.size() && text[i] == '&') {
    base = 8;
    ++i;
  }
  if (i == text.size()) return false;
  const std::uint64_t limit =
      base != 10 ? 0xFFFFFFFFull : (negative ? 2147483648ull : 2147483647ull);
  std::uint64_t magnitude = 0;
  for (; i < text.size(); ++i) {
    const int digit = DigitValue(text[i]);
    if (digit >= base) return false;
    magnitude = magnitude * static_cast<std::uint64_t>(base) + static_cast<std::uint64_t>(digit);
    if (magnitude > limit) return false;
  }
  std::uint32_t bits = static_cast<std::uint32_t>(magnitude);
  if (negative) bits = 0u - bits;
  value = static_cast<std::int32_t>(bits);
  return true;
}

int ApplyLengthStep(const Platform& platform, RunSettings& s) {
  int next_index = 1;
  if (platform.ArgumentCount() >= 1) {
    std::int32_t value = 0;
    if (ParseLength(platform.Argument(1).View(), value)) {
      s.PwdLength = value;
      next_index = 2;
    } else {
      s.PwdLength = 16;
      s.LengthValid = false;
      s.ParamsValid = false;
    }
  }
  s.LengthColumn = ByteString();
  if (s.PwdLength < 8 || s.PwdLength > 4096) {
    s.LengthValid = false;
    s.PwdLength = 16;
  }
  s.LengthText = DecimalText(s.PwdLength) + kTwoBlanks;
  return next_index;
}

bool RunOptionLoop(Platform& platform, RunSettings& s, TFileVersionInfoRec& build_info,
                   int first_index) {
  const TStringArray hash_names = HashNames();
  int index = first_index;
  // The value of an option that takes the next argument; the empty text past the last.
  auto take_value = [&]() { return platform.Argument(++index); };
  do {
    const ByteString arg = UpperAscii(platform.Argument(index));
    const std::string_view prefix = arg.View().substr(0, 3);
    const ByteString rest = arg.Sub(3);

    if (arg == "-INFO" || arg == "--INFO") {
      s.BuildInfoOn = true;
      ShowBanner(platform, build_info, true);
      platform.SetExitCode(99);
      return true;
    }
    if (IsOneOf(prefix, {"/D", "-D"})) {
      s.ParamsValid = true;
      s.BuildInfoOn = true;
    } else if (IsOneOf(prefix, {"-?", "-H", "/?", "/H"})) {
      ShowHelp(platform, build_info, false, s.BuildInfoOn);
      platform.SetExitCode(99);
      return true;
    } else if (IsOneOf(prefix, {"-??", "-H2", "/??", "/H2"})) {
      s.BuildInfoOn = true;
      ShowBanner(platform, build_info, true);
      ShowHelp(platform, build_info, true, true);
      platform.SetExitCode(99);
      return true;
    } else if (IsOneOf(prefix, {"-$:", "/$:"})) {
      s.ParamsValid = true;
      if (std::find(hash_names.begin(), hash_names.end(), rest) == hash_names.end()) {
        s.ParamsValid = false;
        ShowHelp(platform, build_info, false, s.BuildInfoOn);
        platform.SetExitCode(2);
        return true;
      }
      s.HashName = rest;
      if (s.HashName == "SHA2") s.HashName = "SHA2_256";
      if (s.HashName == "SHA3") s.HashName = "SHA3_384";
      s.HashNameColumn = s.HashName + kTwoBlanks;
    } else if (IsOneOf(prefix, {"-A", "-S", "/A", "/S"})) {
      s.ParamsValid = true;
      s.SimpleOn = true;
      s.ComplexOn = s.GuidOn = s.LengthLineOn = s.FullOn = s.HashNameLineOn = false;
      UseColumns(s);
    } else if (IsOneOf(prefix, {"-C", "/C"})) {
      s.ParamsValid = true;
      s.ComplexOn = true;
      s.SimpleOn = s.GuidOn = s.LengthLineOn = s.HashNameLineOn = s.FullOn = false;
      UseColumns(s);
    } else if (IsOneOf(prefix, {"-G", "/G"})) {
      s.ParamsValid = true;
      s.GuidOn = true;
      s.ComplexOn = s.SimpleOn = s.LengthLineOn = s.HashNameLineOn = s.HashesOn = s.FullOn = false;
    } else if (IsOneOf(prefix, {"-O", "/O"})) {
      s.ParamsValid = true;
      s.OneLineOn = true;
      s.ComplexOn = s.SimpleOn = s.GuidOn = s.LengthLineOn = s.FullOn = s.HashNameLineOn = false;
      UseColumns(s);
    } else if (IsOneOf(prefix, {"-L", "/L"})) {
      s.ParamsValid = true;
      s.LengthLineOn = s.HashNameLineOn = true;
      s.LengthColumn = s.HashNameColumn = ByteString();
    } else if (IsOneOf(prefix, {"-I", "/I"})) {
      s.ParamsValid = true;
      s.ExclusionSet = ByteString();
      s.Mode = CharSetMode::Include;
    } else if (IsOneOf(prefix, {"-U", "/U"})) {
      s.ParamsValid = true;
      s.InclusionSet = take_value();
      s.Mode = CharSetMode::Include;
    } else if (IsOneOf(prefix, {"-B", "-E", "/B", "/E"})) {
      s.ParamsValid = true;
      s.ExclusionSet = ExtendedExclusionSet();
      s.Mode = CharSetMode::Exclude;
    } else if (IsOneOf(prefix, {"-X", "/X"})) {
      s.ParamsValid = true;
      s.ExclusionSet = take_value();
      s.Mode = CharSetMode::Exclude;
    } else if (IsOneOf(prefix, {"-P", "/P"})) {
      s.ParamsValid = true;
      s.HashNameLineOn = s.GuidOn = s.HashesOn = s.LengthLineOn = s.VerboseOn = false;
    } else if (IsOneOf(prefix, {"-F", "/F"})) {
      s.ParamsValid = true;
      s.FullOn = true;
      s.LengthColumn = s.HashNameColumn = ByteString();
    } else if (IsOneOf(prefix, {"-V", "/V"})) {
      s.ParamsValid = true;
      s.FullOn = s.OneLineOn = false;
      s.VerboseOn = s.HashNameLineOn = true;
    } else if (IsOneOf(prefix, {"-Q", "/Q"})) {
      s.ParamsValid = true;
      s.HeaderOn = false;
      for (ByteString& label : s.Labels) label = ByteString();
    }
    ++index;
  } while (index <= platform.ArgumentCount());
  return false;
}

}  // namespace keyloom
