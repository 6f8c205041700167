// Stateless conversions of the digest framework: texts to bytes and back through a text
// encoding, hexadecimal renderings of bytes, and copies between word and byte arrays.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "bytestring/ByteString.h"

namespace keyloom {

using THashBytes = std::vector<std::uint8_t>;
using THashUInt32Array = std::vector<std::uint32_t>;
using THashUInt64Array = std::vector<std::uint64_t>;

// Turns UTF-16 text into bytes and bytes into UTF-16 text.
class TextEncoding {
 public:
  virtual ~TextEncoding() = default;
  virtual THashBytes GetBytes(std::u16string_view text) const = 0;
  virtual std::u16string GetString(const std::uint8_t* bytes, std::size_t count) const = 0;
};

// The one process-wide UTF-8 encoding (no byte-order mark; ill-formed input decodes to
// U+FFFD). Created on first use, never released.
const TextEncoding* Utf8Encoding();

// The text decoded from the code page of its tag, then encoded by `encoding`.
// Raises EArgumentNilHashException when `encoding` is null.
THashBytes TextToBytes(const ByteString& text, const TextEncoding* encoding);
// The text that `encoding` decodes from `bytes`, in the process's default code page.
// Raises EArgumentNilHashException when `encoding` is null.
ByteString BytesToText(const THashBytes& bytes, const TextEncoding* encoding);

// Two upper-case hexadecimal digits per byte, the pairs joined by "-".
ByteString DashedHex(const THashBytes& bytes);
// DashedHex upper-cased; the hyphens are removed unless `grouped` or there is one byte.
ByteString BytesToHex(const THashBytes& bytes, bool grouped);

// Copies `byte_count` bytes between a word array and a byte array, either way, so that each
// word is stored in the named byte order in the byte array. Indices count bytes.
void CopyBigEndian32(const void* source, std::size_t source_index, void* destination,
                     std::size_t destination_index, std::size_t byte_count);
void CopyLittleEndian32(const void* source, std::size_t source_index, void* destination,
                        std::size_t destination_index, std::size_t byte_count);
void CopyBigEndian64(const void* source, std::size_t source_index, void* destination,
                     std::size_t destination_index, std::size_t byte_count);
void CopyLittleEndian64(const void* source, std::size_t source_index, void* destination,
                        std::size_t destination_index, std::size_t byte_count);

// Base64 with the standard alphabet and "=" padding (RFC 4648, section 4).
std::string Base64Encode(std::string_view bytes);

}  // namespace keyloom
