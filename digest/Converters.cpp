#include "digest/Converters.h"

#include <algorithm>
#include <cstring>

#include "bytestring/CodePage.h"
#include "bytestring/Utf8.h"
#include "digest/HashExceptions.h"
#include "digest/WordOps.h"

namespace keyloom {

namespace {

class Utf8TextEncoding final : public TextEncoding {
 public:
  THashBytes GetBytes(std::u16string_view text) const override {
    const std::string utf8 = Utf16ToUtf8(text);
    return THashBytes(utf8.begin(), utf8.end());
  }
  std::u16string GetString(const std::uint8_t* bytes, std::size_t count) const override {
    return Utf8ToUtf16(std::string_view(reinterpret_cast<const char*>(bytes), count));
  }
};

void RequireEncoding(const TextEncoding* encoding) {
  if (encoding == nullptr) throw EArgumentNilHashException("AEncoding cannot be nil");
}

bool Aligned(const void* p, std::size_t word) {
  return reinterpret_cast<std::uintptr_t>(p) % word == 0;
}

// Copies whole words when everything is word-aligned, swapping the bytes of each when
// `swap`; otherwise byte by byte, destination byte i going to position i XOR (word - 1)
// when `swap`.
template <typename Word>
void CopyWords(const void* source, std::size_t source_index, void* destination,
               std::size_t destination_index, std::size_t byte_count, bool swap) {
  constexpr std::size_t kWord = sizeof(Word);
  const auto* src = static_cast<const std::uint8_t*>(source);
  auto* dst = static_cast<std::uint8_t*>(destination);
  if (!swap) {
    std::memmove(dst + destination_index, src + source_index, byte_count);
    return;
  }
  if (Aligned(source, kWord) && Aligned(destination, kWord) && source_index % kWord == 0 &&
      destination_index % kWord == 0 && byte_count % kWord == 0) {
    for (std::size_t i = 0; i < byte_count; i += kWord) {
      Word w;
      std::memcpy(&w, src + source_index + i, kWord);
      if constexpr (kWord == 4) {
        w = digest_detail::SwapBytes32(w);
      } else {
        w = digest_detail::SwapBytes64(w);
      }
      std::memcpy(dst + destination_index + i, &w, kWord);
    }
    return;
  }
  for (std::size_t i = 0; i < byte_count; ++i) {
    dst[(destination_index + i) ^ (kWord - 1)] = src[source_index + i];
  }
}

char HexDigit(unsigned nibble) {
  return static_cast<char>(nibble < 10 ? '0' + nibble : 'A' + (nibble - 10));
}

}  // namespace

const TextEncoding* Utf8Encoding() {
  // A function-local static: its initialisation runs once even when first uses race.
  static const Utf8TextEncoding* const instance = new Utf8TextEncoding();
  return instance;
}

THashBytes TextToBytes(const ByteString& text, const TextEncoding* encoding) {
  RequireEncoding(encoding);
  // 7-bit text reads alike in every code page and is its own UTF-8 form, so the round trip
  // through UTF-16 can be skipped; every generated password and hash text is of that kind.
  const std::string_view bytes = text.View();
  if (encoding == Utf8Encoding() &&
      std::all_of(bytes.begin(), bytes.end(), [](char c) { return (c & 0x80) == 0; })) {
    return THashBytes(bytes.begin(), bytes.end());
  }
  return encoding->GetBytes(text.ToUtf16());
}

ByteString BytesToText(const THashBytes& bytes, const TextEncoding* encoding) {
  RequireEncoding(encoding);
  const std::u16string text = encoding->GetString(bytes.data(), bytes.size());
  return ByteString(EncodeFromUtf16(text, kAnsiCodePage), kAnsiCodePage);
}

ByteString DashedHex(const THashBytes& bytes) {
  std::string out;
  out.reserve(bytes.size() * 3);
  for (std::size_t i = 0; i < bytes.size(); ++i) {
    if (i > 0) out += '-';
    out += HexDigit(bytes[i] >> 4);
    out += HexDigit(bytes[i] & 0x0F);
  }
  return ByteString(std::move(out), kAnsiCodePage);
}

ByteString BytesToHex(const THashBytes& bytes, bool grouped) {
  ByteString dashed = UpperAscii(DashedHex(bytes));
  if (bytes.size() == 1 || grouped) return dashed;
  std::string plain;
  plain.reserve(bytes.size() * 2);
  for (char c : dashed.View()) {
    if (c != '-') plain += c;
  }
  return ByteString(std::move(plain), kAnsiCodePage);
}

void CopyBigEndian32(const void* source, std::size_t source_index, void* destination,
                     std::size_t destination_index, std::size_t byte_count) {
  CopyWords<std::uint32_t>(source, source_index, destination, destination_index, byte_count,
                           digest_detail::kLittleEndianHost);
}

void CopyLittleEndian32(const void* source, std::size_t source_index, void* destination,
                        std::size_t destination_index, std::size_t byte_count) {
  CopyWords<std::uint32_t>(source, source_index, destination, destination_index, byte_count,
                           !digest_detail::kLittleEndianHost);
}

void CopyBigEndian64(const void* source, std::size_t source_index, void* destination,
                     std::size_t destination_index, std::size_t byte_count) {
  CopyWords<std::uint64_t>(source, source_index, destination, destination_index, byte_count,
                           digest_detail::kLittleEndianHost);
}

void CopyLittleEndian64(const void* source, std::size_t source_index, void* destination,
                        std::size_t destination_index, std::size_t byte_count) {
  CopyWords<std::uint64_t>(source, source_index, destination, destination_index, byte_count,
                           !digest_detail::kLittleEndianHost);
}

std::string Base64Encode(std::string_view bytes) {
  static constexpr char kAlphabet[] =
      "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
  std::string out;
  out.reserve((bytes.size() + 2) / 3 * 4);
  std::size_t i = 0;
  for (; i + 3 <= bytes.size(); i += 3) {
    const std::uint32_t v = (static_cast<std::uint8_t>(bytes[i]) << 16) |
                            (static_cast<std::uint8_t>(bytes[i + 1]) << 8) |
                            static_cast<std::uint8_t>(bytes[i + 2]);
    out += kAlphabet[v >> 18];
    out += kAlphabet[(v >> 12) & 63];
    out += kAlphabet[(v >> 6) & 63];
    out += kAlphabet[v & 63];
  }
  const std::size_t rest = bytes.size() - i;
  if (rest > 0) {
    std::uint32_t v = static_cast<std::uint32_t>(static_cast<std::uint8_t>(bytes[i])) << 16;
    if (rest == 2) v |= static_cast<std::uint32_t>(static_cast<std::uint8_t>(bytes[i + 1])) << 8;
    out += kAlphabet[v >> 18];
    out += kAlphabet[(v >> 12) & 63];
    out += rest == 2 ? kAlphabet[(v >> 6) & 63] : '=';
    out += '=';
  }
  return out;
}

}  // namespace keyloom
