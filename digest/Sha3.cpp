#include "digest/Sha3.h"

#include <bit>
#include <cstring>

#include "digest/WordOps.h"

namespace keyloom {

using digest_detail::LoadLittleEndian64;
using digest_detail::StoreLittleEndian64;
using digest_detail::WipeMemory;

namespace {

// The round constants of the iota step, FIPS 202, section 3.2.5.
constexpr std::uint64_t kRoundConstants[24] = {
    0x0000000000000001ULL, 0x0000000000008082ULL, 0x800000000000808AULL, 0x8000000080008000ULL,
    0x000000000000808BULL, 0x0000000080000001ULL, 0x8000000080008081ULL, 0x8000000000008009ULL,
    0x000000000000008AULL, 0x0000000000000088ULL, 0x0000000080008009ULL, 0x000000008000000AULL,
    0x000000008000808BULL, 0x800000000000008BULL, 0x8000000000008089ULL, 0x8000000000008003ULL,
    0x8000000000008002ULL, 0x8000000000000080ULL, 0x000000000000800AULL, 0x800000008000000AULL,
    0x8000000080008081ULL, 0x8000000000008080ULL, 0x0000000080000001ULL, 0x8000000080008008ULL};

// Keccak-f[1600], FIPS 202, sections 3.2 and 3.3: 24 rounds of theta, rho, pi, chi and
// iota, two rounds per pass, the lanes held in locals named by their index x + 5 * y.
// The first round of a pass maps the a-lanes into the e-lanes, the second maps them back.
// Chi, b[x] ^ (~b[x+1] & b[x+2]), appears in forms rewritten for the complemented lanes.
void KeccakF1600(std::uint64_t* s) {
  // Lanes 1, 2, 8, 12, 17 and 20 are held complemented for the whole permutation (the lane
  // complementing of the Keccak team's implementation overview). Theta, rho and pi carry the
  // complements through, and chi can then be written with one NOT per plane instead of
  // five, since x86-64 without BMI has no and-not instruction.
  std::uint64_t a00 = s[0], a01 = ~s[1], a02 = ~s[2], a03 = s[3], a04 = s[4], a05 = s[5],
                a06 = s[6], a07 = s[7], a08 = ~s[8], a09 = s[9], a10 = s[10], a11 = s[11],
                a12 = ~s[12], a13 = s[13], a14 = s[14], a15 = s[15], a16 = s[16], a17 = ~s[17],
                a18 = s[18], a19 = s[19], a20 = ~s[20], a21 = s[21], a22 = s[22], a23 = s[23],
                a24 = s[24];
  std::uint64_t e00, e01, e02, e03, e04, e05, e06, e07, e08, e09, e10, e11, e12, e13, e14, e15, e16,
      e17, e18, e19, e20, e21, e22, e23, e24;
  std::uint64_t b0, b1, b2, b3, b4, c0, c1, c2, c3, c4, d0, d1, d2, d3, d4;
  for (int k = 0; k < 12; ++k) {
    // clang-format off
    // Round 2k: lanes a.. into e..
  c0 = a00 ^ a05 ^ a10 ^ a15 ^ a20;
  c1 = a01 ^ a06 ^ a11 ^ a16 ^ a21;
  c2 = a02 ^ a07 ^ a12 ^ a17 ^ a22;
  c3 = a03 ^ a08 ^ a13 ^ a18 ^ a23;
  c4 = a04 ^ a09 ^ a14 ^ a19 ^ a24;
  d0 = c4 ^ std::rotl(c1, 1);
  d1 = c0 ^ std::rotl(c2, 1);
  d2 = c1 ^ std::rotl(c3, 1);
  d3 = c2 ^ std::rotl(c4, 1);
  d4 = c3 ^ std::rotl(c0, 1);
  b0 = a00 ^ d0;
  b1 = std::rotl(a06 ^ d1, 44);
  b2 = std::rotl(a12 ^ d2, 43);
  b3 = std::rotl(a18 ^ d3, 21);
  b4 = std::rotl(a24 ^ d4, 14);
  e00 = b0 ^ (b1 | b2);
  e01 = b1 ^ (~b2 | b3);
  e02 = b2 ^ (b3 & b4);
  e03 = b3 ^ (b4 | b0);
  e04 = b4 ^ (b0 & b1);
  b0 = std::rotl(a03 ^ d3, 28);
  b1 = std::rotl(a09 ^ d4, 20);
  b2 = std::rotl(a10 ^ d0, 3);
  b3 = std::rotl(a16 ^ d1, 45);
  b4 = std::rotl(a22 ^ d2, 61);
  e05 = b0 ^ (b1 | b2);
  e06 = b1 ^ (b2 & b3);
  e07 = b2 ^ (b3 | ~b4);
  e08 = b3 ^ (b4 | b0);
  e09 = b4 ^ (b0 & b1);
  b0 = std::rotl(a01 ^ d1, 1);
  b1 = std::rotl(a07 ^ d2, 6);
  b2 = std::rotl(a13 ^ d3, 25);
  b3 = std::rotl(a19 ^ d4, 8);
  b4 = std::rotl(a20 ^ d0, 18);
  e10 = b0 ^ (b1 | b2);
  e11 = b1 ^ (b2 & b3);
  e12 = b2 ^ (~b3 & b4);
  e13 = ~b3 ^ (b4 | b0);
  e14 = b4 ^ (b0 & b1);
  b0 = std::rotl(a04 ^ d4, 27);
  b1 = std::rotl(a05 ^ d0, 36);
  b2 = std::rotl(a11 ^ d1, 10);
  b3 = std::rotl(a17 ^ d2, 15);
  b4 = std::rotl(a23 ^ d3, 56);
  e15 = b0 ^ (b1 & b2);
  e16 = b1 ^ (b2 | b3);
  e17 = b2 ^ (~b3 | b4);
  e18 = ~b3 ^ (b4 & b0);
  e19 = b4 ^ (b0 | b1);
  b0 = std::rotl(a02 ^ d2, 62);
  b1 = std::rotl(a08 ^ d3, 55);
  b2 = std::rotl(a14 ^ d4, 39);
  b3 = std::rotl(a15 ^ d0, 41);
  b4 = std::rotl(a21 ^ d1, 2);
  e20 = b0 ^ (~b1 & b2);
  e21 = ~b1 ^ (b2 | b3);
  e22 = b2 ^ (b3 & b4);
  e23 = b3 ^ (b4 | b0);
  e24 = b4 ^ (b0 & b1);
  e00 ^= kRoundConstants[2 * k];
    // Round 2k + 1: lanes e.. back into a..
  c0 = e00 ^ e05 ^ e10 ^ e15 ^ e20;
  c1 = e01 ^ e06 ^ e11 ^ e16 ^ e21;
  c2 = e02 ^ e07 ^ e12 ^ e17 ^ e22;
  c3 = e03 ^ e08 ^ e13 ^ e18 ^ e23;
  c4 = e04 ^ e09 ^ e14 ^ e19 ^ e24;
  d0 = c4 ^ std::rotl(c1, 1);
  d1 = c0 ^ std::rotl(c2, 1);
  d2 = c1 ^ std::rotl(c3, 1);
  d3 = c2 ^ std::rotl(c4, 1);
  d4 = c3 ^ std::rotl(c0, 1);
  b0 = e00 ^ d0;
  b1 = std::rotl(e06 ^ d1, 44);
  b2 = std::rotl(e12 ^ d2, 43);
  b3 = std::rotl(e18 ^ d3, 21);
  b4 = std::rotl(e24 ^ d4, 14);
  a00 = b0 ^ (b1 | b2);
  a01 = b1 ^ (~b2 | b3);
  a02 = b2 ^ (b3 & b4);
  a03 = b3 ^ (b4 | b0);
  a04 = b4 ^ (b0 & b1);
  b0 = std::rotl(e03 ^ d3, 28);
  b1 = std::rotl(e09 ^ d4, 20);
  b2 = std::rotl(e10 ^ d0, 3);
  b3 = std::rotl(e16 ^ d1, 45);
  b4 = std::rotl(e22 ^ d2, 61);
  a05 = b0 ^ (b1 | b2);
  a06 = b1 ^ (b2 & b3);
  a07 = b2 ^ (b3 | ~b4);
  a08 = b3 ^ (b4 | b0);
  a09 = b4 ^ (b0 & b1);
  b0 = std::rotl(e01 ^ d1, 1);
  b1 = std::rotl(e07 ^ d2, 6);
  b2 = std::rotl(e13 ^ d3, 25);
  b3 = std::rotl(e19 ^ d4, 8);
  b4 = std::rotl(e20 ^ d0, 18);
  a10 = b0 ^ (b1 | b2);
  a11 = b1 ^ (b2 & b3);
  a12 = b2 ^ (~b3 & b4);
  a13 = ~b3 ^ (b4 | b0);
  a14 = b4 ^ (b0 & b1);
  b0 = std::rotl(e04 ^ d4, 27);
  b1 = std::rotl(e05 ^ d0, 36);
  b2 = std::rotl(e11 ^ d1, 10);
  b3 = std::rotl(e17 ^ d2, 15);
  b4 = std::rotl(e23 ^ d3, 56);
  a15 = b0 ^ (b1 & b2);
  a16 = b1 ^ (b2 | b3);
  a17 = b2 ^ (~b3 | b4);
  a18 = ~b3 ^ (b4 & b0);
  a19 = b4 ^ (b0 | b1);
  b0 = std::rotl(e02 ^ d2, 62);
  b1 = std::rotl(e08 ^ d3, 55);
  b2 = std::rotl(e14 ^ d4, 39);
  b3 = std::rotl(e15 ^ d0, 41);
  b4 = std::rotl(e21 ^ d1, 2);
  a20 = b0 ^ (~b1 & b2);
  a21 = ~b1 ^ (b2 | b3);
  a22 = b2 ^ (b3 & b4);
  a23 = b3 ^ (b4 | b0);
  a24 = b4 ^ (b0 & b1);
  a00 ^= kRoundConstants[2 * k + 1];
    // clang-format on
  }
  s[0] = a00;
  s[1] = ~a01;
  s[2] = ~a02;
  s[3] = a03;
  s[4] = a04;
  s[5] = a05;
  s[6] = a06;
  s[7] = a07;
  s[8] = ~a08;
  s[9] = a09;
  s[10] = a10;
  s[11] = a11;
  s[12] = ~a12;
  s[13] = a13;
  s[14] = a14;
  s[15] = a15;
  s[16] = a16;
  s[17] = ~a17;
  s[18] = a18;
  s[19] = a19;
  s[20] = ~a20;
  s[21] = a21;
  s[22] = a22;
  s[23] = a23;
  s[24] = a24;
}

}  // namespace

void TSHA3::Reset() {
  for (std::uint64_t& lane : State) lane = 0;
  TBlockHash::Reset();
}

void TSHA3::CompressBlock(const std::uint8_t* bytes, std::int32_t count, std::size_t start) {
  // Room for the largest Keccak rate, 168 bytes (21 lanes).
  std::uint8_t work[168];
  const std::uint8_t* block = bytes + start;
  const std::uint8_t* const end = block + count;
  std::uint64_t* s = State.data();
  const auto rate = static_cast<std::size_t>(BlockLength());
  const std::size_t lanes = rate / 8;
  for (; block != end; block += rate) {
    std::memcpy(work, block, rate);
    for (std::size_t i = 0; i < lanes; ++i) s[i] ^= LoadLittleEndian64(work + 8 * i);
    KeccakF1600(s);
  }
  WipeMemory(work, sizeof work);
}

void TSHA3::AppendPadding() {
  const int fill = buffer_.Fill;
  const int rate = BlockLength();
  THashBytes& block = buffer_.DrainZeroPadded();
  block[static_cast<std::size_t>(fill)] = DomainByte();
  block[static_cast<std::size_t>(rate - 1)] ^= 0x80;
  CompressBlock(block.data(), rate, 0);
}

THashBytes TSHA3::ReadOutDigest() {
  THashBytes digest(static_cast<std::size_t>(DigestLength()));
  for (std::size_t i = 0; i < digest.size() / 8; ++i) StoreLittleEndian64(&digest[8 * i], State[i]);
  return digest;
}

IDigestPtr TSHA3_256::Clone() const {
  return std::make_shared<TSHA3_256>(*this);
}
IDigestPtr TSHA3_384::Clone() const {
  return std::make_shared<TSHA3_384>(*this);
}
IDigestPtr TSHA3_512::Clone() const {
  return std::make_shared<TSHA3_512>(*this);
}

}  // namespace keyloom
