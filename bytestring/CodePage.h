// Code-page tags carried by byte strings, and the process-wide code-page services
// (which numeric page the ANSI and OEM tags stand for, and conversions to and from UTF-16).
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace keyloom {

using CodePage = std::uint16_t;

inline constexpr CodePage kAnsiCodePage = 0;  // the process's default code page
inline constexpr CodePage kOemCodePage = 1;
inline constexpr CodePage kUtf8CodePage = 65001;

// What the operating system knows about code pages. UTF-8 is handled in-house, so an
// implementation is only asked to decode and encode the other pages.
class CodePageSystem {
 public:
  virtual ~CodePageSystem() = default;
  // The numeric code pages that the tags 0 and 1 stand for, read once at start-up.
  virtual CodePage AnsiCodePage() const = 0;
  virtual CodePage OemCodePage() const = 0;
  // Bytes of the single- or multi-byte page `page` (never 0, 1 or 65001) to UTF-16.
  virtual std::u16string Decode(std::string_view bytes, CodePage page) const = 0;
  // UTF-16 to the page `page` (never 0, 1 or 65001); what the page cannot hold becomes "?".
  virtual std::string Encode(std::u16string_view text, CodePage page) const = 0;
};

// The services in force. Until a platform installs its own, every tag means UTF-8.
const CodePageSystem& CurrentCodePages();
// Installs `system` for the rest of the process (or until the next call); the object must
// outlive its use. Passing nullptr restores the all-UTF-8 default.
void InstallCodePages(const CodePageSystem* system);

// The numeric code page a tag stands for: 0 and 1 through the installed services.
CodePage ResolveCodePage(CodePage tag);

// Conversions through UTF-16, UTF-8 in-house and everything else through the services.
std::u16string DecodeToUtf16(std::string_view bytes, CodePage tag);
std::string EncodeFromUtf16(std::u16string_view text, CodePage tag);
// Re-encodes `bytes` from one tag to another; bytes pass unchanged when both tags resolve to
// the same page.
std::string ConvertBytes(std::string_view bytes, CodePage from, CodePage to);

}  // namespace keyloom
