// The SHA-3 engines of FIPS 202: the sponge on Keccak-f[1600] with capacity twice the
// digest size, SHA-3 domain bits and pad10*1, for 256-, 384- and 512-bit digests.
#pragma once

#include <cstdint>

#include "digest/Hash.h"

namespace keyloom {

class TSHA3 : public TBlockHash, public ICryptoDigest, public IBlockTransform {
 public:
  ByteString AlgorithmName() const override { return "TSHA3"; }
  void Reset() override;

 protected:
  // The block is the sponge's rate, 200 - 2 * digest_length bytes.
  explicit TSHA3(std::uint8_t digest_length)
      : TBlockHash(digest_length, 200 - 2 * digest_length, -1), State(25, 0) {}
  void AppendPadding() override;
  void CompressBlock(const std::uint8_t* bytes, std::int32_t count, std::size_t start) override;
  THashBytes ReadOutDigest() override;
  // The domain bits and the first bit of the padding, least significant bit first.
  virtual std::uint8_t DomainByte() const { return 0x06; }

  // Lane (x, y) of FIPS 202 is State[x + 5 * y].
  THashUInt64Array State;
};

class TSHA3_256 final : public TSHA3 {
 public:
  TSHA3_256() : TSHA3(32) {}
  ByteString AlgorithmName() const override { return "TSHA3_256"; }
  IDigestPtr Clone() const override;
};

class TSHA3_384 final : public TSHA3 {
 public:
  TSHA3_384() : TSHA3(48) {}
  ByteString AlgorithmName() const override { return "TSHA3_384"; }
  IDigestPtr Clone() const override;
};

class TSHA3_512 final : public TSHA3 {
 public:
  TSHA3_512() : TSHA3(64) {}
  ByteString AlgorithmName() const override { return "TSHA3_512"; }
  IDigestPtr Clone() const override;
};

}  // namespace keyloom
