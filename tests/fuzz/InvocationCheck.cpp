#include <algorithm>
#include <cctype>
#include <exception>
#include <set>
#include <string>
#include <vector>

#include <openssl/evp.h>

#include "frontend/EntryPoint.h"
#include "tests/fuzz/FuzzChecks.h"
#include "tests/support/FakePlatform.h"

namespace keyloom::fuzz {
namespace {

constexpr std::size_t kMaxInput = 8192;
constexpr std::size_t kMaxArguments = 64;
const std::string kRefusal = "Exclusion set leaves no characters to choose from\n";
const std::string kLengthNotice = " * Valid password length is from 8 to 4096 (Default = 16)";
const std::string kDefaultExclusion = "<>\"^'%&`|";
const std::string kExtendedExclusion = "<>\"^'%&`|!()";

enum class Mode { Default, Exclude, Include };

// What the run should come to, worked out from the argument list alone by the documented
// option rules: the exit code and the few settings the output checks look at.
struct Expected {
  int exit_code = 0;
  bool refused = false;
  bool length_valid = true;
  std::int32_t length = 16;
  bool header = true;
  bool hashes = true;
  bool verbose = false;
  bool one_line = false;
  bool full = false;
  std::string hash_name = "SHA1";
  std::string exclusion = kDefaultExclusion;
  std::string inclusion;
  Mode mode = Mode::Default;
};

std::string Upper(std::string text) {
  for (char& c : text) {
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  }
  return text;
}

bool OneOf(const std::string& prefix, std::initializer_list<const char*> texts) {
  return std::any_of(texts.begin(), texts.end(), [&](const char* t) { return prefix == t; });
}

bool KnownHashName(const std::string& name) {
  static const std::set<std::string> names = {
      "SHA3_512", "SHA3_384", "SHA3_256", "SHA3", "SHA2_512", "SHA2_384", "SHA2_256",
      "SHA512",   "SHA384",   "SHA256",   "SHA2", "SHA1",     "MD5"};
  return names.count(name) != 0;
}

std::size_t HexDigits(const std::string& name) {
  if (name == "MD5") return 32;
  if (name == "SHA1") return 40;
  if (name == "SHA384" || name == "SHA2_384" || name == "SHA3_384") return 96;
  if (name == "SHA512" || name == "SHA2_512" || name == "SHA3_512") return 128;
  return 64;  // SHA256, SHA2_256, SHA3_256
}

Expected Predict(const std::vector<std::string>& args) {
  Expected e;
  const int count = static_cast<int>(args.size());
  auto arg = [&](int i) {
    return i >= 1 && i <= count ? args[static_cast<std::size_t>(i - 1)] : "";
  };
  bool params_valid = true;
  int index = 1;
  if (count >= 1) {
    if (const std::optional<std::int32_t> value = ReferenceLength(args[0])) {
      e.length = *value;
      index = 2;
    } else {
      e.length_valid = params_valid = false;
    }
  }
  if (e.length < 8 || e.length > 4096) {
    e.length_valid = false;
    e.length = 16;
  }
  do {
    const std::string up = Upper(arg(index));
    const std::string prefix = up.substr(0, 3);
    if (up == "-INFO" || up == "--INFO" || OneOf(prefix, {"-?", "-H", "/?", "/H"}) ||
        OneOf(prefix, {"-??", "-H2", "/??", "/H2"})) {
      e.exit_code = 99;
      return e;
    }
    if (OneOf(prefix, {"-$:", "/$:"})) {
      std::string name = up.substr(3);
      if (!KnownHashName(name)) {
        e.exit_code = 2;
        return e;
      }
      if (name == "SHA2") name = "SHA2_256";
      if (name == "SHA3") name = "SHA3_384";
      e.hash_name = name;
    } else if (OneOf(prefix, {"-A", "-S", "/A", "/S", "-C", "/C"})) {
      e.full = false;
    } else if (OneOf(prefix, {"-G", "/G"})) {
      e.full = e.hashes = false;
    } else if (OneOf(prefix, {"-O", "/O"})) {
      e.one_line = true;
      e.full = false;
    } else if (OneOf(prefix, {"-I", "/I"})) {
      e.exclusion.clear();
      e.mode = Mode::Include;
    } else if (OneOf(prefix, {"-U", "/U"})) {
      e.inclusion = arg(++index);
      e.mode = Mode::Include;
    } else if (OneOf(prefix, {"-B", "-E", "/B", "/E"})) {
      e.exclusion = kExtendedExclusion;
      e.mode = Mode::Exclude;
    } else if (OneOf(prefix, {"-X", "/X"})) {
      e.exclusion = arg(++index);
      e.mode = Mode::Exclude;
    } else if (OneOf(prefix, {"-P", "/P"})) {
      e.hashes = e.verbose = false;
    } else if (OneOf(prefix, {"-F", "/F"})) {
      e.full = true;
    } else if (OneOf(prefix, {"-V", "/V"})) {
      e.full = e.one_line = false;
      e.verbose = true;
    } else if (OneOf(prefix, {"-Q", "/Q"})) {
      e.header = false;
    } else if (!OneOf(prefix, {"-D", "/D", "-L", "/L"})) {
      ++index;
      continue;  // not an option: changes nothing
    }
    params_valid = true;
    ++index;
  } while (index <= count);
  if (!params_valid) {
    e.exit_code = 2;
    return e;
  }
  bool candidate_left = false;
  for (int c = 33; c <= 126; ++c) {
    if (e.exclusion.find(static_cast<char>(c)) == std::string::npos) candidate_left = true;
  }
  if (!candidate_left) {
    e.refused = true;
    e.exit_code = 2;
  }
  return e;
}

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::size_t from = 0;
  for (std::size_t end; (end = text.find('\n', from)) != std::string::npos; from = end + 1) {
    lines.push_back(text.substr(from, end - from));
  }
  return lines;
}

// Every line the help screens and banners print, with and without the build line.
const std::set<std::string>& HelpAndBannerLines() {
  static const std::set<std::string> lines = [] {
    std::set<std::string> all;
    for (const std::vector<std::string>& args :
         std::vector<std::vector<std::string>>{{"-h"}, {"-d", "-h"}, {"-h2"}, {"-info"}}) {
      testing::FakePlatform platform(args);
      RunKeyloom(platform);
      for (const std::string& line : Lines(platform.Out())) all.insert(line);
    }
    return all;
  }();
  return lines;
}

const std::string& BannerFirstLine() {
  static const std::string line = [] {
    testing::FakePlatform platform({"-h"});
    RunKeyloom(platform);
    return platform.Out().substr(0, platform.Out().find('\n'));
  }();
  return line;
}

bool IsGuid(const std::string& line) {
  if (line.size() != 38 || line.front() != '{' || line.back() != '}') return false;
  for (std::size_t i = 1; i < 37; ++i) {
    const bool dash = i == 9 || i == 14 || i == 19 || i == 24;
    const char c = line[i];
    if (dash ? c != '-' : !((c >= '0' && c <= '9') || (c >= 'a' && c <= 'f'))) return false;
  }
  return true;
}

// The password lines of a run with no banner, no labels and no hashes: each one a simple,
// complex or custom password of the run's length, within its character rule.
std::string CheckBarePasswords(const std::vector<std::string>& lines, const Expected& e) {
  for (const std::string& line : lines) {
    if (line.empty() || line == kLengthNotice || line == std::to_string(e.length) ||
        line == e.hash_name || IsGuid(line)) {
      continue;
    }
    if (line.size() != static_cast<std::size_t>(e.length)) {
      return "a line of a bare run is no password of the length: \"" + line + "\"";
    }
    auto all = [&](auto allowed) {
      return std::all_of(line.begin(), line.end(),
                         [&](char c) { return allowed(static_cast<unsigned char>(c)); });
    };
    const bool simple = all([](unsigned char c) { return std::isalnum(c) != 0; });
    const bool complex = all([&](unsigned char c) {
      return c >= 33 && c <= 126 && e.exclusion.find(static_cast<char>(c)) == std::string::npos;
    });
    const bool custom = e.mode == Mode::Include && all([&](unsigned char c) {
                          return std::isalnum(c) != 0 ||
                                 e.inclusion.find(static_cast<char>(c)) != std::string::npos;
                        });
    if (!simple && !complex && !custom)
      return "a password breaks its character rule: \"" + line + "\"";
  }
  return {};
}

// Every bracketed run of lower-case hexadecimal digits long enough to be a digest has the
// length of the algorithm in force.
std::string CheckHashTexts(const std::string& out, const Expected& e) {
  const std::size_t digits = HexDigits(e.hash_name);
  for (std::size_t open = out.find('['); open != std::string::npos;
       open = out.find('[', open + 1)) {
    std::size_t end = open + 1;
    while (end < out.size() &&
           ((out[end] >= '0' && out[end] <= '9') || (out[end] >= 'a' && out[end] <= 'f'))) {
      ++end;
    }
    if (end < out.size() && out[end] == ']' && end - open - 1 >= 32 && end - open - 1 != digits) {
      return "a hash text of " + std::to_string(end - open - 1) + " digits under " + e.hash_name;
    }
  }
  return {};
}

const char* OpenSslName(const std::string& name) {
  if (name == "MD5") return "MD5";
  if (name == "SHA1") return "SHA1";
  if (name == "SHA256" || name == "SHA2_256") return "SHA256";
  if (name == "SHA384" || name == "SHA2_384") return "SHA384";
  if (name == "SHA512" || name == "SHA2_512") return "SHA512";
  if (name == "SHA3_256") return "SHA3-256";
  if (name == "SHA3_384") return "SHA3-384";
  return "SHA3-512";
}

// "[" + lower-case hexadecimal digest + "]" of an ASCII text, computed by libcrypto.
std::string ReferenceHashText(const std::string& name, const std::string& text) {
  EVP_MD* md = EVP_MD_fetch(nullptr, OpenSslName(name), nullptr);
  unsigned char digest[EVP_MAX_MD_SIZE];
  unsigned int length = 0;
  const int ok =
      md != nullptr && EVP_Digest(text.data(), text.size(), digest, &length, md, nullptr);
  EVP_MD_free(md);
  if (!ok) return "(no reference)";
  std::string hex = "[";
  for (unsigned int i = 0; i < length; ++i) {
    hex += "0123456789abcdef"[digest[i] >> 4];
    hex += "0123456789abcdef"[digest[i] & 15];
  }
  return hex + "]";
}

// Every hash text belongs to the text it stands beside: after it on the same line ("[hash]
// text", up to two blanks or the line end), or, in the verbose layout, on the line before.
std::string CheckHashPairs(const std::vector<std::string>& lines, const Expected& e) {
  const std::size_t digits = HexDigits(e.hash_name);
  const std::size_t label_length = e.header ? 21 : 0;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    const std::string& line = lines[i];
    for (std::size_t open = line.find('['); open != std::string::npos;
         open = line.find('[', open + 1)) {
      const std::size_t close = open + digits + 1;
      if (close >= line.size() || line[close] != ']') continue;
      const std::string hash = line.substr(open, digits + 2);
      if (hash.find_first_not_of("0123456789abcdef", 1) != digits + 1) continue;
      std::string text;
      if (close + 1 == line.size()) {
        if (!e.verbose || i == 0 || lines[i - 1].size() < label_length) continue;
        text = lines[i - 1].substr(label_length);
      } else if (line[close + 1] == ' ') {
        const std::size_t end = line.find("  ", close + 2);
        text =
            line.substr(close + 2, end == std::string::npos ? std::string::npos : end - close - 2);
      } else {
        continue;
      }
      if (hash != ReferenceHashText(e.hash_name, text)) {
        return "the hash " + hash + " does not belong to \"" + text + "\"";
      }
    }
  }
  return {};
}

}  // namespace

std::string CheckInvocation(const std::uint8_t* data, std::size_t size) {
  if (size > kMaxInput) return {};
  std::uint32_t pid = 0;
  for (std::size_t i = 0; i < 4 && i < size; ++i)
    pid |= static_cast<std::uint32_t>(data[i]) << (8 * i);
  std::vector<std::string> args;
  if (size > 4) {
    const std::string rest(reinterpret_cast<const char*>(data) + 4, size - 4);
    std::size_t from = 0;
    while (args.size() < kMaxArguments) {
      const std::size_t end = rest.find('\0', from);
      args.push_back(rest.substr(from, end == std::string::npos ? std::string::npos : end - from));
      if (end == std::string::npos) break;
      from = end + 1;
    }
  }

  const std::set<std::string>& help_lines = HelpAndBannerLines();
  const std::string& banner_first_line = BannerFirstLine();
  const Expected e = Predict(args);

  testing::FakePlatform platform(args, pid);
  int exit_code = -1;
  try {
    exit_code = RunKeyloom(platform);
  } catch (const std::exception& error) {
    return std::string("an error escaped the run: ") + error.what();
  } catch (...) {
    return "an error escaped the run";
  }
  const std::string& out = platform.Out();
  const std::string& err = platform.Err();

  if (exit_code != 0 && exit_code != 1 && exit_code != 2 && exit_code != 99) {
    return "exit code " + std::to_string(exit_code);
  }
  if (exit_code != e.exit_code) {
    return "exit code " + std::to_string(exit_code) + ", expected " + std::to_string(e.exit_code);
  }
  // A run may print nothing at all (-g -p -q leaves no line on); help never does.
  if (out.empty() ? exit_code != 0 : out.back() != '\n') {
    return out.empty() ? "no help printed" : "standard output does not end with a line end";
  }
  if (err != (e.refused ? kRefusal : std::string())) return "standard error holds \"" + err + "\"";

  const std::vector<std::string> lines = Lines(out);
  if (exit_code == 2 || exit_code == 99) {
    for (const std::string& line : lines) {
      if (help_lines.count(line) == 0)
        return "a line that is no help or banner line: \"" + line + "\"";
    }
    return {};
  }

  const bool notice = std::find(lines.begin(), lines.end(), kLengthNotice) != lines.end();
  if (notice == e.length_valid)
    return notice ? "a length notice for a valid length" : "no length notice";
  if (e.header != (!lines.empty() && lines.front() == banner_first_line)) {
    return e.header ? "no banner first" : "a banner under -q";
  }
  if (!e.header && std::find(lines.begin(), lines.end(), banner_first_line) != lines.end()) {
    return "a banner line under -q";
  }
  const bool brackets_in_custom =
      e.mode == Mode::Include && e.inclusion.find_first_of("[]") != std::string::npos;
  if (e.hashes && !brackets_in_custom) {
    if (std::string failure = CheckHashTexts(out, e); !failure.empty()) return failure;
  }
  const bool custom_is_plain =
      e.mode != Mode::Include || std::all_of(e.inclusion.begin(), e.inclusion.end(), [](char c) {
        return static_cast<unsigned char>(c) >= 33 && static_cast<unsigned char>(c) <= 126 &&
               c != '[' && c != ']';
      });
  if (e.hashes && custom_is_plain) {
    if (std::string failure = CheckHashPairs(lines, e); !failure.empty()) return failure;
  }
  const bool custom_breaks_lines =
      e.mode == Mode::Include && std::any_of(e.inclusion.begin(), e.inclusion.end(), [](char c) {
        return static_cast<unsigned char>(c) < 33 || static_cast<unsigned char>(c) > 126;
      });
  if (!e.header && !e.hashes && !e.verbose && !e.one_line && !e.full && !custom_breaks_lines) {
    if (std::string failure = CheckBarePasswords(lines, e); !failure.empty()) return failure;
  }
  return {};
}

}  // namespace keyloom::fuzz
