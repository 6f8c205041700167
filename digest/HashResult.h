// The finished digest of an engine: an immutable byte array with its hexadecimal text,
// integer views, comparison and hash code.
#pragma once

#include <cstdint>
#include <memory>

#include "bytestring/ByteString.h"
#include "digest/Converters.h"

namespace keyloom {

class IDigestResult {
 public:
  virtual ~IDigestResult() = default;
  virtual THashBytes CopyBytes() const = 0;
  // The views raise EInvalidOperationHashException unless the digest has exactly the
  // view's size; the bytes are read big-endian.
  virtual std::uint8_t AsUInt8() const = 0;
  virtual std::uint16_t AsUInt16() const = 0;
  virtual std::uint32_t AsUInt32() const = 0;
  virtual std::int32_t AsInt32() const = 0;
  virtual std::uint64_t AsUInt64() const = 0;
  virtual ByteString HexText(bool grouped) const = 0;
  // True when both digests have the same length and bytes; it looks at every common byte.
  virtual bool SameAs(const IDigestResult& other) const = 0;
  virtual std::int32_t HashCode() const = 0;
};

using IDigestResultPtr = std::shared_ptr<IDigestResult>;

class THashResult final : public IDigestResult {
 public:
  explicit THashResult(THashBytes digest) : digest_(std::move(digest)) {}

  THashBytes CopyBytes() const override { return digest_; }
  std::uint8_t AsUInt8() const override;
  std::uint16_t AsUInt16() const override;
  std::uint32_t AsUInt32() const override;
  std::int32_t AsInt32() const override;
  std::uint64_t AsUInt64() const override;
  ByteString HexText(bool grouped) const override { return BytesToHex(digest_, grouped); }
  bool SameAs(const IDigestResult& other) const override;
  std::int32_t HashCode() const override;

 private:
  std::uint64_t ReadBigEndian(std::size_t size) const;

  const THashBytes digest_;
};

}  // namespace keyloom
