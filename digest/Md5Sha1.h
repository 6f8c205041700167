// The 64-byte-block engines on 32-bit words: MD5 (RFC 1321), and SHA-1 (FIPS 180-4) on top of
// the withdrawn SHA-0 of the 1993 FIPS 180, which differs only in its message expansion.
#pragma once

#include <cstdint>

#include "digest/Hash.h"

namespace keyloom {

// MD-style engines: little-endian words and length field.
class TMDBase : public TBlockHash, public ICryptoDigest {
 public:
  void Reset() override;

 protected:
  TMDBase(std::int32_t state_words, std::int32_t digest_length);
  void AppendPadding() override;
  THashBytes ReadOutDigest() override;

  THashUInt32Array State;
};

class TMD5 final : public TMDBase, public IBlockTransform {
 public:
  TMD5() : TMDBase(4, 16) {}
  ByteString AlgorithmName() const override { return "TMD5"; }
  IDigestPtr Clone() const override;

 protected:
  void CompressBlock(const std::uint8_t* bytes, std::int32_t count, std::size_t start) override;
};

class TSHA0 : public TBlockHash, public ICryptoDigest, public IBlockTransform {
 public:
  TSHA0() : TBlockHash(20, 64, -1), State(5, 0) {}
  ByteString AlgorithmName() const override { return "TSHA0"; }
  void Reset() override;
  IDigestPtr Clone() const override;

 protected:
  void AppendPadding() override;
  void CompressBlock(const std::uint8_t* bytes, std::int32_t count, std::size_t start) override;
  THashBytes ReadOutDigest() override;
  // Fills w[16..79] from w[0..15].
  virtual void ExpandSchedule(std::uint32_t* w) const;

  THashUInt32Array State;
};

class TSHA1 final : public TSHA0 {
 public:
  ByteString AlgorithmName() const override { return "TSHA1"; }
  IDigestPtr Clone() const override;

 protected:
  void ExpandSchedule(std::uint32_t* w) const override;
};

}  // namespace keyloom
