// The SHA-2 engines of FIPS 180-4: SHA-256 on a 32-bit base with 64-byte blocks, SHA-384
// and SHA-512 on a 64-bit base with 128-byte blocks.
#pragma once

#include <cstdint>

#include "digest/Hash.h"

namespace keyloom {

class TSHA2_256Base : public TBlockHash, public ICryptoDigest, public IBlockTransform {
 protected:
  explicit TSHA2_256Base(std::int32_t digest_length)
      : TBlockHash(digest_length, 64, -1), State(8, 0) {}
  void AppendPadding() override;
  void CompressBlock(const std::uint8_t* bytes, std::int32_t count, std::size_t start) override;

  THashUInt32Array State;
};

class TSHA2_256 final : public TSHA2_256Base {
 public:
  TSHA2_256() : TSHA2_256Base(32) {}
  ByteString AlgorithmName() const override { return "TSHA2_256"; }
  void Reset() override;
  IDigestPtr Clone() const override;

 protected:
  THashBytes ReadOutDigest() override;
};

class TSHA2_512Base : public TBlockHash, public ICryptoDigest, public IBlockTransform {
 protected:
  explicit TSHA2_512Base(std::int32_t digest_length)
      : TBlockHash(digest_length, 128, -1), State(8, 0) {}
  void AppendPadding() override;
  void CompressBlock(const std::uint8_t* bytes, std::int32_t count, std::size_t start) override;
  // The first `words` state words, big-endian.
  THashBytes ReadOutWords(std::size_t words) const;

  THashUInt64Array State;
};

class TSHA2_384 final : public TSHA2_512Base {
 public:
  TSHA2_384() : TSHA2_512Base(48) {}
  ByteString AlgorithmName() const override { return "TSHA2_384"; }
  void Reset() override;
  IDigestPtr Clone() const override;

 protected:
  THashBytes ReadOutDigest() override { return ReadOutWords(6); }
};

class TSHA2_512 final : public TSHA2_512Base {
 public:
  TSHA2_512() : TSHA2_512Base(64) {}
  ByteString AlgorithmName() const override { return "TSHA2_512"; }
  void Reset() override;
  IDigestPtr Clone() const override;

 protected:
  THashBytes ReadOutDigest() override { return ReadOutWords(8); }
};

}  // namespace keyloom
