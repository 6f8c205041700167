#include "generation/Guid.h"

#include "digest/HashText.h"
#include "generation/Passwords.h"

namespace keyloom {

ByteString GuidFromHashText(const ByteString& hash_text) {
  // Position 0 holds the opening bracket; the digits follow without a gap.
  const std::string_view h = hash_text.View();
  std::string guid;
  guid.reserve(38);
  guid += '{';
  guid += h.substr(1, 8);
  guid += '-';
  guid += h.substr(9, 4);
  guid += '-';
  guid += h.substr(13, 4);
  guid += '-';
  guid += h.substr(17, 4);
  guid += '-';
  guid += h.substr(21, 12);
  guid += '}';
  return ByteString(std::move(guid), kAnsiCodePage);
}

ByteString MakeGuid(std::int32_t length) {
  const ByteString text = MakeComplexPassword(length, ByteString());
  return GuidFromHashText(MakeHashText(text, "SHA2_512"));
}

}  // namespace keyloom
