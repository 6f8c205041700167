#include "digest/HashResult.h"

#include <bit>
#include <string>

#include "digest/HashExceptions.h"

namespace keyloom {

std::uint64_t THashResult::ReadBigEndian(std::size_t size) const {
  if (digest_.size() != size) {
    throw EInvalidOperationHashException("The size of the byte array (" +
                                         std::to_string(digest_.size()) + ") and integer type (" +
                                         std::to_string(size) + ") have to match.");
  }
  std::uint64_t value = 0;
  for (std::uint8_t b : digest_) value = (value << 8) | b;
  return value;
}

std::uint8_t THashResult::AsUInt8() const {
  return static_cast<std::uint8_t>(ReadBigEndian(1));
}

std::uint16_t THashResult::AsUInt16() const {
  return static_cast<std::uint16_t>(ReadBigEndian(2));
}

std::uint32_t THashResult::AsUInt32() const {
  return static_cast<std::uint32_t>(ReadBigEndian(4));
}

std::int32_t THashResult::AsInt32() const {
  return static_cast<std::int32_t>(static_cast<std::uint32_t>(ReadBigEndian(4)));
}

std::uint64_t THashResult::AsUInt64() const {
  return ReadBigEndian(8);
}

bool THashResult::SameAs(const IDigestResult& other) const {
  const THashBytes theirs = other.CopyBytes();
  std::size_t x = digest_.size() ^ theirs.size();
  const std::size_t common = digest_.size() < theirs.size() ? digest_.size() : theirs.size();
  for (std::size_t i = 0; i < common; ++i) x |= static_cast<std::size_t>(digest_[i] ^ theirs[i]);
  return x == 0;
}

std::int32_t THashResult::HashCode() const {
  const ByteString text = BytesToText(digest_, Utf8Encoding());
  const ByteString encoded = UpperAscii(ByteString(Base64Encode(text.View()), kAnsiCodePage));
  std::uint32_t h = 0;
  for (char c : encoded.View()) h = std::rotl(h, 5) ^ static_cast<std::uint8_t>(c);
  return static_cast<std::int32_t>(h);
}

}  // namespace keyloom
