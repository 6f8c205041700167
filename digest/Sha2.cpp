#include "digest/Sha2.h"

#include <bit>

#include "digest/WordOps.h"

namespace keyloom {

using digest_detail::LoadBigEndian32;
using digest_detail::LoadBigEndian64;
using digest_detail::StoreBigEndian32;
using digest_detail::StoreBigEndian64;
using digest_detail::WipeMemory;

// ---- TSHA2_256Base ----

void TSHA2_256Base::AppendPadding() {
  AppendLengthPadding(8, true);
}

// FIPS 180-4, sections 4.1.2 and 6.2.2. The schedule word W[t] is computed just before the
// round that uses it; the working variables are renamed instead of shifted. Ch and Maj
// are written with fewer operations. Each big sigma keeps its three rotations side by side:
// the nested form saves register copies but puts five operations, not three, between e (or
// a) and the next round, and the rounds wait on that chain. For the same reason the sum
// into h takes K[t] + W[t] first and big sigma 1 of e, the last term to be ready, last.
#define SHA256_BIG_SIGMA0(x) (std::rotr(x, 2) ^ std::rotr(x, 13) ^ std::rotr(x, 22))
#define SHA256_BIG_SIGMA1(x) (std::rotr(x, 6) ^ std::rotr(x, 11) ^ std::rotr(x, 25))
#define SHA256_SMALL_SIGMA0(x) (std::rotr((x) ^ std::rotr(x, 11), 7) ^ ((x) >> 3))
#define SHA256_SMALL_SIGMA1(x) (std::rotr((x) ^ std::rotr(x, 2), 17) ^ ((x) >> 10))
#define SCHEDULE(t) \
  w[t] = SHA256_SMALL_SIGMA1(w[(t)-2]) + w[(t)-7] + SHA256_SMALL_SIGMA0(w[(t)-15]) + w[(t)-16]
#define ROUND(a, b, c, d, e, f, g, h, t, k)                     \
  h += (k) + w[t] + (g ^ (e & (f ^ g))) + SHA256_BIG_SIGMA1(e); \
  d += h;                                                       \
  ab = a ^ b;                                                   \
  h += SHA256_BIG_SIGMA0(a) + (b ^ (ab & bc));                  \
  bc = ab

void TSHA2_256Base::CompressBlock(const std::uint8_t* bytes, std::int32_t count,
                                  std::size_t start) {
  const std::uint8_t* block = bytes + start;
  const std::uint8_t* const end = block + count;
  std::uint32_t w[64];
  std::uint32_t* s = State.data();
  std::uint32_t a = s[0], b = s[1], c = s[2], d = s[3], e = s[4], f = s[5], g = s[6], h = s[7];
  for (; block != end; block += 64) {
    for (int i = 0; i < 16; ++i) w[i] = LoadBigEndian32(block + 4 * i);
    // Maj(a, b, c) is b ^ ((a ^ b) & (b ^ c)), and b ^ c is the a ^ b of the round before.
    std::uint32_t ab, bc = b ^ c;

    // clang-format off
  ROUND(a, b, c, d, e, f, g, h, 0, 0x428A2F98U);
  ROUND(h, a, b, c, d, e, f, g, 1, 0x71374491U);
  ROUND(g, h, a, b, c, d, e, f, 2, 0xB5C0FBCFU);
  ROUND(f, g, h, a, b, c, d, e, 3, 0xE9B5DBA5U);
  ROUND(e, f, g, h, a, b, c, d, 4, 0x3956C25BU);
  ROUND(d, e, f, g, h, a, b, c, 5, 0x59F111F1U);
  ROUND(c, d, e, f, g, h, a, b, 6, 0x923F82A4U);
  ROUND(b, c, d, e, f, g, h, a, 7, 0xAB1C5ED5U);
  ROUND(a, b, c, d, e, f, g, h, 8, 0xD807AA98U);
  ROUND(h, a, b, c, d, e, f, g, 9, 0x12835B01U);
  ROUND(g, h, a, b, c, d, e, f, 10, 0x243185BEU);
  ROUND(f, g, h, a, b, c, d, e, 11, 0x550C7DC3U);
  ROUND(e, f, g, h, a, b, c, d, 12, 0x72BE5D74U);
  ROUND(d, e, f, g, h, a, b, c, 13, 0x80DEB1FEU);
  ROUND(c, d, e, f, g, h, a, b, 14, 0x9BDC06A7U);
  ROUND(b, c, d, e, f, g, h, a, 15, 0xC19BF174U);
  SCHEDULE(16);
  ROUND(a, b, c, d, e, f, g, h, 16, 0xE49B69C1U);
  SCHEDULE(17);
  ROUND(h, a, b, c, d, e, f, g, 17, 0xEFBE4786U);
  SCHEDULE(18);
  ROUND(g, h, a, b, c, d, e, f, 18, 0x0FC19DC6U);
  SCHEDULE(19);
  ROUND(f, g, h, a, b, c, d, e, 19, 0x240CA1CCU);
  SCHEDULE(20);
  ROUND(e, f, g, h, a, b, c, d, 20, 0x2DE92C6FU);
  SCHEDULE(21);
  ROUND(d, e, f, g, h, a, b, c, 21, 0x4A7484AAU);
  SCHEDULE(22);
  ROUND(c, d, e, f, g, h, a, b, 22, 0x5CB0A9DCU);
  SCHEDULE(23);
  ROUND(b, c, d, e, f, g, h, a, 23, 0x76F988DAU);
  SCHEDULE(24);
  ROUND(a, b, c, d, e, f, g, h, 24, 0x983E5152U);
  SCHEDULE(25);
  ROUND(h, a, b, c, d, e, f, g, 25, 0xA831C66DU);
  SCHEDULE(26);
  ROUND(g, h, a, b, c, d, e, f, 26, 0xB00327C8U);
  SCHEDULE(27);
  ROUND(f, g, h, a, b, c, d, e, 27, 0xBF597FC7U);
  SCHEDULE(28);
  ROUND(e, f, g, h, a, b, c, d, 28, 0xC6E00BF3U);
  SCHEDULE(29);
  ROUND(d, e, f, g, h, a, b, c, 29, 0xD5A79147U);
  SCHEDULE(30);
  ROUND(c, d, e, f, g, h, a, b, 30, 0x06CA6351U);
  SCHEDULE(31);
  ROUND(b, c, d, e, f, g, h, a, 31, 0x14292967U);
  SCHEDULE(32);
  ROUND(a, b, c, d, e, f, g, h, 32, 0x27B70A85U);
  SCHEDULE(33);
  ROUND(h, a, b, c, d, e, f, g, 33, 0x2E1B2138U);
  SCHEDULE(34);
  ROUND(g, h, a, b, c, d, e, f, 34, 0x4D2C6DFCU);
  SCHEDULE(35);
  ROUND(f, g, h, a, b, c, d, e, 35, 0x53380D13U);
  SCHEDULE(36);
  ROUND(e, f, g, h, a, b, c, d, 36, 0x650A7354U);
  SCHEDULE(37);
  ROUND(d, e, f, g, h, a, b, c, 37, 0x766A0ABBU);
  SCHEDULE(38);
  ROUND(c, d, e, f, g, h, a, b, 38, 0x81C2C92EU);
  SCHEDULE(39);
  ROUND(b, c, d, e, f, g, h, a, 39, 0x92722C85U);
  SCHEDULE(40);
  ROUND(a, b, c, d, e, f, g, h, 40, 0xA2BFE8A1U);
  SCHEDULE(41);
  ROUND(h, a, b, c, d, e, f, g, 41, 0xA81A664BU);
  SCHEDULE(42);
  ROUND(g, h, a, b, c, d, e, f, 42, 0xC24B8B70U);
  SCHEDULE(43);
  ROUND(f, g, h, a, b, c, d, e, 43, 0xC76C51A3U);
  SCHEDULE(44);
  ROUND(e, f, g, h, a, b, c, d, 44, 0xD192E819U);
  SCHEDULE(45);
  ROUND(d, e, f, g, h, a, b, c, 45, 0xD6990624U);
  SCHEDULE(46);
  ROUND(c, d, e, f, g, h, a, b, 46, 0xF40E3585U);
  SCHEDULE(47);
  ROUND(b, c, d, e, f, g, h, a, 47, 0x106AA070U);
  SCHEDULE(48);
  ROUND(a, b, c, d, e, f, g, h, 48, 0x19A4C116U);
  SCHEDULE(49);
  ROUND(h, a, b, c, d, e, f, g, 49, 0x1E376C08U);
  SCHEDULE(50);
  ROUND(g, h, a, b, c, d, e, f, 50, 0x2748774CU);
  SCHEDULE(51);
  ROUND(f, g, h, a, b, c, d, e, 51, 0x34B0BCB5U);
  SCHEDULE(52);
  ROUND(e, f, g, h, a, b, c, d, 52, 0x391C0CB3U);
  SCHEDULE(53);
  ROUND(d, e, f, g, h, a, b, c, 53, 0x4ED8AA4AU);
  SCHEDULE(54);
  ROUND(c, d, e, f, g, h, a, b, 54, 0x5B9CCA4FU);
  SCHEDULE(55);
  ROUND(b, c, d, e, f, g, h, a, 55, 0x682E6FF3U);
  SCHEDULE(56);
  ROUND(a, b, c, d, e, f, g, h, 56, 0x748F82EEU);
  SCHEDULE(57);
  ROUND(h, a, b, c, d, e, f, g, 57, 0x78A5636FU);
  SCHEDULE(58);
  ROUND(g, h, a, b, c, d, e, f, 58, 0x84C87814U);
  SCHEDULE(59);
  ROUND(f, g, h, a, b, c, d, e, 59, 0x8CC70208U);
  SCHEDULE(60);
  ROUND(e, f, g, h, a, b, c, d, 60, 0x90BEFFFAU);
  SCHEDULE(61);
  ROUND(d, e, f, g, h, a, b, c, 61, 0xA4506CEBU);
  SCHEDULE(62);
  ROUND(c, d, e, f, g, h, a, b, 62, 0xBEF9A3F7U);
  SCHEDULE(63);
  ROUND(b, c, d, e, f, g, h, a, 63, 0xC67178F2U);
    // clang-format on

    // The stored state is the feed-forward value, so no registers go to copies of it.
    a = s[0] += a;
    b = s[1] += b;
    c = s[2] += c;
    d = s[3] += d;
    e = s[4] += e;
    f = s[5] += f;
    g = s[6] += g;
    h = s[7] += h;
  }
  WipeMemory(w, sizeof w);
}

#undef SCHEDULE
#undef ROUND

// ---- TSHA2_256 ----

void TSHA2_256::Reset() {
  // FIPS 180-4, section 5.3.3.
  State[0] = 0x6A09E667;
  State[1] = 0xBB67AE85;
  State[2] = 0x3C6EF372;
  State[3] = 0xA54FF53A;
  State[4] = 0x510E527F;
  State[5] = 0x9B05688C;
  State[6] = 0x1F83D9AB;
  State[7] = 0x5BE0CD19;
  TBlockHash::Reset();
}

IDigestPtr TSHA2_256::Clone() const {
  return std::make_shared<TSHA2_256>(*this);
}

THashBytes TSHA2_256::ReadOutDigest() {
  THashBytes digest(32);
  for (std::size_t i = 0; i < 8; ++i) StoreBigEndian32(&digest[4 * i], State[i]);
  return digest;
}

// ---- TSHA2_512Base ----

void TSHA2_512Base::AppendPadding() {
  AppendLengthPadding(16, true);
}

// FIPS 180-4, sections 4.1.3 and 6.4.2, in the same shape as SHA-256 above. Plain uint64_t
// arithmetic, exact on 32-bit machines too.
#define SHA512_BIG_SIGMA0(x) (std::rotr(x, 28) ^ std::rotr(x, 34) ^ std::rotr(x, 39))
#define SHA512_BIG_SIGMA1(x) (std::rotr(x, 14) ^ std::rotr(x, 18) ^ std::rotr(x, 41))
#define SHA512_SMALL_SIGMA0(x) (std::rotr((x) ^ std::rotr(x, 7), 1) ^ ((x) >> 7))
#define SHA512_SMALL_SIGMA1(x) (std::rotr((x) ^ std::rotr(x, 42), 19) ^ ((x) >> 6))
#define SCHEDULE(t) \
  w[t] = SHA512_SMALL_SIGMA1(w[(t)-2]) + w[(t)-7] + SHA512_SMALL_SIGMA0(w[(t)-15]) + w[(t)-16]
#define ROUND(a, b, c, d, e, f, g, h, t, k)                     \
  h += (k) + w[t] + (g ^ (e & (f ^ g))) + SHA512_BIG_SIGMA1(e); \
  d += h;                                                       \
  ab = a ^ b;                                                   \
  h += SHA512_BIG_SIGMA0(a) + (b ^ (ab & bc));                  \
  bc = ab

void TSHA2_512Base::CompressBlock(const std::uint8_t* bytes, std::int32_t count,
                                  std::size_t start) {
  const std::uint8_t* block = bytes + start;
  const std::uint8_t* const end = block + count;
  std::uint64_t w[80];
  std::uint64_t* s = State.data();
  std::uint64_t a = s[0], b = s[1], c = s[2], d = s[3], e = s[4], f = s[5], g = s[6], h = s[7];
  for (; block != end; block += 128) {
    for (int i = 0; i < 16; ++i) w[i] = LoadBigEndian64(block + 8 * i);
    std::uint64_t ab, bc = b ^ c;

    // clang-format off
  ROUND(a, b, c, d, e, f, g, h, 0, 0x428A2F98D728AE22ULL);
  ROUND(h, a, b, c, d, e, f, g, 1, 0x7137449123EF65CDULL);
  ROUND(g, h, a, b, c, d, e, f, 2, 0xB5C0FBCFEC4D3B2FULL);
  ROUND(f, g, h, a, b, c, d, e, 3, 0xE9B5DBA58189DBBCULL);
  ROUND(e, f, g, h, a, b, c, d, 4, 0x3956C25BF348B538ULL);
  ROUND(d, e, f, g, h, a, b, c, 5, 0x59F111F1B605D019ULL);
  ROUND(c, d, e, f, g, h, a, b, 6, 0x923F82A4AF194F9BULL);
  ROUND(b, c, d, e, f, g, h, a, 7, 0xAB1C5ED5DA6D8118ULL);
  ROUND(a, b, c, d, e, f, g, h, 8, 0xD807AA98A3030242ULL);
  ROUND(h, a, b, c, d, e, f, g, 9, 0x12835B0145706FBEULL);
  ROUND(g, h, a, b, c, d, e, f, 10, 0x243185BE4EE4B28CULL);
  ROUND(f, g, h, a, b, c, d, e, 11, 0x550C7DC3D5FFB4E2ULL);
  ROUND(e, f, g, h, a, b, c, d, 12, 0x72BE5D74F27B896FULL);
  ROUND(d, e, f, g, h, a, b, c, 13, 0x80DEB1FE3B1696B1ULL);
  ROUND(c, d, e, f, g, h, a, b, 14, 0x9BDC06A725C71235ULL);
  ROUND(b, c, d, e, f, g, h, a, 15, 0xC19BF174CF692694ULL);
  SCHEDULE(16);
  ROUND(a, b, c, d, e, f, g, h, 16, 0xE49B69C19EF14AD2ULL);
  SCHEDULE(17);
  ROUND(h, a, b, c, d, e, f, g, 17, 0xEFBE4786384F25E3ULL);
  SCHEDULE(18);
  ROUND(g, h, a, b, c, d, e, f, 18, 0x0FC19DC68B8CD5B5ULL);
  SCHEDULE(19);
  ROUND(f, g, h, a, b, c, d, e, 19, 0x240CA1CC77AC9C65ULL);
  SCHEDULE(20);
  ROUND(e, f, g, h, a, b, c, d, 20, 0x2DE92C6F592B0275ULL);
  SCHEDULE(21);
  ROUND(d, e, f, g, h, a, b, c, 21, 0x4A7484AA6EA6E483ULL);
  SCHEDULE(22);
  ROUND(c, d, e, f, g, h, a, b, 22, 0x5CB0A9DCBD41FBD4ULL);
  SCHEDULE(23);
  ROUND(b, c, d, e, f, g, h, a, 23, 0x76F988DA831153B5ULL);
  SCHEDULE(24);
  ROUND(a, b, c, d, e, f, g, h, 24, 0x983E5152EE66DFABULL);
  SCHEDULE(25);
  ROUND(h, a, b, c, d, e, f, g, 25, 0xA831C66D2DB43210ULL);
  SCHEDULE(26);
  ROUND(g, h, a, b, c, d, e, f, 26, 0xB00327C898FB213FULL);
  SCHEDULE(27);
  ROUND(f, g, h, a, b, c, d, e, 27, 0xBF597FC7BEEF0EE4ULL);
  SCHEDULE(28);
  ROUND(e, f, g, h, a, b, c, d, 28, 0xC6E00BF33DA88FC2ULL);
  SCHEDULE(29);
  ROUND(d, e, f, g, h, a, b, c, 29, 0xD5A79147930AA725ULL);
  SCHEDULE(30);
  ROUND(c, d, e, f, g, h, a, b, 30, 0x06CA6351E003826FULL);
  SCHEDULE(31);
  ROUND(b, c, d, e, f, g, h, a, 31, 0x142929670A0E6E70ULL);
  SCHEDULE(32);
  ROUND(a, b, c, d, e, f, g, h, 32, 0x27B70A8546D22FFCULL);
  SCHEDULE(33);
  ROUND(h, a, b, c, d, e, f, g, 33, 0x2E1B21385C26C926ULL);
  SCHEDULE(34);
  ROUND(g, h, a, b, c, d, e, f, 34, 0x4D2C6DFC5AC42AEDULL);
  SCHEDULE(35);
  ROUND(f, g, h, a, b, c, d, e, 35, 0x53380D139D95B3DFULL);
  SCHEDULE(36);
  ROUND(e, f, g, h, a, b, c, d, 36, 0x650A73548BAF63DEULL);
  SCHEDULE(37);
  ROUND(d, e, f, g, h, a, b, c, 37, 0x766A0ABB3C77B2A8ULL);
  SCHEDULE(38);
  ROUND(c, d, e, f, g, h, a, b, 38, 0x81C2C92E47EDAEE6ULL);
  SCHEDULE(39);
  ROUND(b, c, d, e, f, g, h, a, 39, 0x92722C851482353BULL);
  SCHEDULE(40);
  ROUND(a, b, c, d, e, f, g, h, 40, 0xA2BFE8A14CF10364ULL);
  SCHEDULE(41);
  ROUND(h, a, b, c, d, e, f, g, 41, 0xA81A664BBC423001ULL);
  SCHEDULE(42);
  ROUND(g, h, a, b, c, d, e, f, 42, 0xC24B8B70D0F89791ULL);
  SCHEDULE(43);
  ROUND(f, g, h, a, b, c, d, e, 43, 0xC76C51A30654BE30ULL);
  SCHEDULE(44);
  ROUND(e, f, g, h, a, b, c, d, 44, 0xD192E819D6EF5218ULL);
  SCHEDULE(45);
  ROUND(d, e, f, g, h, a, b, c, 45, 0xD69906245565A910ULL);
  SCHEDULE(46);
  ROUND(c, d, e, f, g, h, a, b, 46, 0xF40E35855771202AULL);
  SCHEDULE(47);
  ROUND(b, c, d, e, f, g, h, a, 47, 0x106AA07032BBD1B8ULL);
  SCHEDULE(48);
  ROUND(a, b, c, d, e, f, g, h, 48, 0x19A4C116B8D2D0C8ULL);
  SCHEDULE(49);
  ROUND(h, a, b, c, d, e, f, g, 49, 0x1E376C085141AB53ULL);
  SCHEDULE(50);
  ROUND(g, h, a, b, c, d, e, f, 50, 0x2748774CDF8EEB99ULL);
  SCHEDULE(51);
  ROUND(f, g, h, a, b, c, d, e, 51, 0x34B0BCB5E19B48A8ULL);
  SCHEDULE(52);
  ROUND(e, f, g, h, a, b, c, d, 52, 0x391C0CB3C5C95A63ULL);
  SCHEDULE(53);
  ROUND(d, e, f, g, h, a, b, c, 53, 0x4ED8AA4AE3418ACBULL);
  SCHEDULE(54);
  ROUND(c, d, e, f, g, h, a, b, 54, 0x5B9CCA4F7763E373ULL);
  SCHEDULE(55);
  ROUND(b, c, d, e, f, g, h, a, 55, 0x682E6FF3D6B2B8A3ULL);
  SCHEDULE(56);
  ROUND(a, b, c, d, e, f, g, h, 56, 0x748F82EE5DEFB2FCULL);
  SCHEDULE(57);
  ROUND(h, a, b, c, d, e, f, g, 57, 0x78A5636F43172F60ULL);
  SCHEDULE(58);
  ROUND(g, h, a, b, c, d, e, f, 58, 0x84C87814A1F0AB72ULL);
  SCHEDULE(59);
  ROUND(f, g, h, a, b, c, d, e, 59, 0x8CC702081A6439ECULL);
  SCHEDULE(60);
  ROUND(e, f, g, h, a, b, c, d, 60, 0x90BEFFFA23631E28ULL);
  SCHEDULE(61);
  ROUND(d, e, f, g, h, a, b, c, 61, 0xA4506CEBDE82BDE9ULL);
  SCHEDULE(62);
  ROUND(c, d, e, f, g, h, a, b, 62, 0xBEF9A3F7B2C67915ULL);
  SCHEDULE(63);
  ROUND(b, c, d, e, f, g, h, a, 63, 0xC67178F2E372532BULL);
  SCHEDULE(64);
  ROUND(a, b, c, d, e, f, g, h, 64, 0xCA273ECEEA26619CULL);
  SCHEDULE(65);
  ROUND(h, a, b, c, d, e, f, g, 65, 0xD186B8C721C0C207ULL);
  SCHEDULE(66);
  ROUND(g, h, a, b, c, d, e, f, 66, 0xEADA7DD6CDE0EB1EULL);
  SCHEDULE(67);
  ROUND(f, g, h, a, b, c, d, e, 67, 0xF57D4F7FEE6ED178ULL);
  SCHEDULE(68);
  ROUND(e, f, g, h, a, b, c, d, 68, 0x06F067AA72176FBAULL);
  SCHEDULE(69);
  ROUND(d, e, f, g, h, a, b, c, 69, 0x0A637DC5A2C898A6ULL);
  SCHEDULE(70);
  ROUND(c, d, e, f, g, h, a, b, 70, 0x113F9804BEF90DAEULL);
  SCHEDULE(71);
  ROUND(b, c, d, e, f, g, h, a, 71, 0x1B710B35131C471BULL);
  SCHEDULE(72);
  ROUND(a, b, c, d, e, f, g, h, 72, 0x28DB77F523047D84ULL);
  SCHEDULE(73);
  ROUND(h, a, b, c, d, e, f, g, 73, 0x32CAAB7B40C72493ULL);
  SCHEDULE(74);
  ROUND(g, h, a, b, c, d, e, f, 74, 0x3C9EBE0A15C9BEBCULL);
  SCHEDULE(75);
  ROUND(f, g, h, a, b, c, d, e, 75, 0x431D67C49C100D4CULL);
  SCHEDULE(76);
  ROUND(e, f, g, h, a, b, c, d, 76, 0x4CC5D4BECB3E42B6ULL);
  SCHEDULE(77);
  ROUND(d, e, f, g, h, a, b, c, 77, 0x597F299CFC657E2AULL);
  SCHEDULE(78);
  ROUND(c, d, e, f, g, h, a, b, 78, 0x5FCB6FAB3AD6FAECULL);
  SCHEDULE(79);
  ROUND(b, c, d, e, f, g, h, a, 79, 0x6C44198C4A475817ULL);
    // clang-format on

    // The stored state is the feed-forward value, so no registers go to copies of it.
    a = s[0] += a;
    b = s[1] += b;
    c = s[2] += c;
    d = s[3] += d;
    e = s[4] += e;
    f = s[5] += f;
    g = s[6] += g;
    h = s[7] += h;
  }
  WipeMemory(w, sizeof w);
}

#undef SCHEDULE
#undef ROUND

THashBytes TSHA2_512Base::ReadOutWords(std::size_t words) const {
  THashBytes digest(words * 8);
  for (std::size_t i = 0; i < words; ++i) StoreBigEndian64(&digest[8 * i], State[i]);
  return digest;
}

// ---- TSHA2_384 ----

void TSHA2_384::Reset() {
  // FIPS 180-4, section 5.3.4.
  State[0] = 0xCBBB9D5DC1059ED8ULL;
  State[1] = 0x629A292A367CD507ULL;
  State[2] = 0x9159015A3070DD17ULL;
  State[3] = 0x152FECD8F70E5939ULL;
  State[4] = 0x67332667FFC00B31ULL;
  State[5] = 0x8EB44A8768581511ULL;
  State[6] = 0xDB0C2E0D64F98FA7ULL;
  State[7] = 0x47B5481DBEFA4FA4ULL;
  TBlockHash::Reset();
}

IDigestPtr TSHA2_384::Clone() const {
  return std::make_shared<TSHA2_384>(*this);
}

// ---- TSHA2_512 ----

void TSHA2_512::Reset() {
  // FIPS 180-4, section 5.3.5.
  State[0] = 0x6A09E667F3BCC908ULL;
  State[1] = 0xBB67AE8584CAA73BULL;
  State[2] = 0x3C6EF372FE94F82BULL;
  State[3] = 0xA54FF53A5F1D36F1ULL;
  State[4] = 0x510E527FADE682D1ULL;
  State[5] = 0x9B05688C2B3E6C1FULL;
  State[6] = 0x1F83D9ABFB41BD6BULL;
  State[7] = 0x5BE0CD19137E2179ULL;
  TBlockHash::Reset();
}

IDigestPtr TSHA2_512::Clone() const {
  return std::make_shared<TSHA2_512>(*this);
}

}  // namespace keyloom
