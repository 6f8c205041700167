#include "bytestring/CodePage.h"

#include "bytestring/Utf8.h"

namespace keyloom {
namespace {

// Stands in until a platform installs its services: every tag is UTF-8, so nothing is ever
// handed to Decode or Encode.
class Utf8Only final : public CodePageSystem {
 public:
  CodePage AnsiCodePage() const override { return kUtf8CodePage; }
  CodePage OemCodePage() const override { return kUtf8CodePage; }
  std::u16string Decode(std::string_view bytes, CodePage) const override {
    return Utf8ToUtf16(bytes);
  }
  std::string Encode(std::u16string_view text, CodePage) const override {
    return Utf16ToUtf8(text);
  }
};

const Utf8Only kUtf8Only;
const CodePageSystem* installed = &kUtf8Only;

}  // namespace

const CodePageSystem& CurrentCodePages() {
  return *installed;
}

void InstallCodePages(const CodePageSystem* system) {
  installed = system != nullptr ? system : &kUtf8Only;
}

CodePage ResolveCodePage(CodePage tag) {
  if (tag == kAnsiCodePage) return installed->AnsiCodePage();
  if (tag == kOemCodePage) return installed->OemCodePage();
  return tag;
}

std::u16string DecodeToUtf16(std::string_view bytes, CodePage tag) {
  const CodePage page = ResolveCodePage(tag);
  if (page == kUtf8CodePage) return Utf8ToUtf16(bytes);
  return installed->Decode(bytes, page);
}

std::string EncodeFromUtf16(std::u16string_view text, CodePage tag) {
  const CodePage page = ResolveCodePage(tag);
  if (page == kUtf8CodePage) return Utf16ToUtf8(text);
  return installed->Encode(text, page);
}

std::string ConvertBytes(std::string_view bytes, CodePage from, CodePage to) {
  if (ResolveCodePage(from) == ResolveCodePage(to)) return std::string(bytes);
  return EncodeFromUtf16(DecodeToUtf16(bytes, from), to);
}

}  // namespace keyloom
