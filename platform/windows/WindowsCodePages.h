// Code pages on Windows: the ANSI and OEM pages the system reports, and the system's own
// conversions between code pages and UTF-16.
#pragma once

#include <string_view>

#include "bytestring/CodePage.h"

namespace keyloom {

class WindowsCodePages final : public CodePageSystem {
 public:
  // The pages GetACP and GetOEMCP report now.
  WindowsCodePages();
  // Fixed pages for the two tags.
  WindowsCodePages(CodePage ansi, CodePage oem) : ansi_(ansi), oem_(oem) {}

  CodePage AnsiCodePage() const override { return ansi_; }
  CodePage OemCodePage() const override { return oem_; }
  // MultiByteToWideChar without flags. A page the system does not know gives one
  // replacement character per byte.
  std::u16string Decode(std::string_view bytes, CodePage page) const override;
  // WideCharToMultiByte without flags and without a default character of the caller's, so
  // what the page cannot hold becomes the page's own default character ("?"). A page the
  // system does not know gives one "?" per UTF-16 unit.
  std::string Encode(std::u16string_view text, CodePage page) const override;

 private:
  CodePage ansi_;
  CodePage oem_;
};

}  // namespace keyloom
