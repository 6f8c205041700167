#include "digest/Md5Sha1.h"

#include <bit>

#include "digest/WordOps.h"

namespace keyloom {

using digest_detail::LoadBigEndian32;
using digest_detail::LoadLittleEndian32;
using digest_detail::StoreBigEndian32;
using digest_detail::StoreLittleEndian32;
using digest_detail::WipeMemory;

// ---- TMDBase ----

TMDBase::TMDBase(std::int32_t state_words, std::int32_t digest_length)
    : TBlockHash(digest_length, 64, -1), State(static_cast<std::size_t>(state_words), 0) {}

void TMDBase::Reset() {
  // RFC 1321, section 3.3.
  State[0] = 0x67452301;
  State[1] = 0xEFCDAB89;
  State[2] = 0x98BADCFE;
  State[3] = 0x10325476;
  TBlockHash::Reset();
}

void TMDBase::AppendPadding() {
  AppendLengthPadding(8, false);
}

THashBytes TMDBase::ReadOutDigest() {
  THashBytes digest(State.size() * 4);
  for (std::size_t i = 0; i < State.size(); ++i) StoreLittleEndian32(&digest[4 * i], State[i]);
  return digest;
}

// ---- TMD5 ----

IDigestPtr TMD5::Clone() const {
  return std::make_shared<TMD5>(*this);
}

// The auxiliary functions of RFC 1321, section 3.4, in forms that need fewer operations:
// F selects c or d by b, G selects b or c by d (its two terms never overlap, so they add).
#define MD5_STEP(a, b, e, x, t, s) \
  a += (e) + (x) + (t);            \
  a = std::rotl(a, s) + (b)
#define MD5_F(a, b, c, d, x, t, s) MD5_STEP(a, b, (d ^ (b & (c ^ d))), x, t, s)
#define MD5_G(a, b, c, d, x, t, s) MD5_STEP(a, b, ((d & b) + (~d & c)), x, t, s)
#define MD5_H(a, b, c, d, x, t, s) MD5_STEP(a, b, (b ^ c ^ d), x, t, s)
#define MD5_I(a, b, c, d, x, t, s) MD5_STEP(a, b, (c ^ (b | ~d)), x, t, s)

void TMD5::CompressBlock(const std::uint8_t* bytes, std::int32_t count, std::size_t start) {
  const std::uint8_t* block = bytes + start;
  const std::uint8_t* const end = block + count;
  std::uint32_t x[16];
  std::uint32_t* s = State.data();
  std::uint32_t a = s[0], b = s[1], c = s[2], d = s[3];
  for (; block != end; block += 64) {
    for (int i = 0; i < 16; ++i) x[i] = LoadLittleEndian32(block + 4 * i);

    // clang-format off
  // Round 1.
  MD5_F(a, b, c, d, x[0], 0xD76AA478, 7);
  MD5_F(d, a, b, c, x[1], 0xE8C7B756, 12);
  MD5_F(c, d, a, b, x[2], 0x242070DB, 17);
  MD5_F(b, c, d, a, x[3], 0xC1BDCEEE, 22);
  MD5_F(a, b, c, d, x[4], 0xF57C0FAF, 7);
  MD5_F(d, a, b, c, x[5], 0x4787C62A, 12);
  MD5_F(c, d, a, b, x[6], 0xA8304613, 17);
  MD5_F(b, c, d, a, x[7], 0xFD469501, 22);
  MD5_F(a, b, c, d, x[8], 0x698098D8, 7);
  MD5_F(d, a, b, c, x[9], 0x8B44F7AF, 12);
  MD5_F(c, d, a, b, x[10], 0xFFFF5BB1, 17);
  MD5_F(b, c, d, a, x[11], 0x895CD7BE, 22);
  MD5_F(a, b, c, d, x[12], 0x6B901122, 7);
  MD5_F(d, a, b, c, x[13], 0xFD987193, 12);
  MD5_F(c, d, a, b, x[14], 0xA679438E, 17);
  MD5_F(b, c, d, a, x[15], 0x49B40821, 22);
  // Round 2.
  MD5_G(a, b, c, d, x[1], 0xF61E2562, 5);
  MD5_G(d, a, b, c, x[6], 0xC040B340, 9);
  MD5_G(c, d, a, b, x[11], 0x265E5A51, 14);
  MD5_G(b, c, d, a, x[0], 0xE9B6C7AA, 20);
  MD5_G(a, b, c, d, x[5], 0xD62F105D, 5);
  MD5_G(d, a, b, c, x[10], 0x02441453, 9);
  MD5_G(c, d, a, b, x[15], 0xD8A1E681, 14);
  MD5_G(b, c, d, a, x[4], 0xE7D3FBC8, 20);
  MD5_G(a, b, c, d, x[9], 0x21E1CDE6, 5);
  MD5_G(d, a, b, c, x[14], 0xC33707D6, 9);
  MD5_G(c, d, a, b, x[3], 0xF4D50D87, 14);
  MD5_G(b, c, d, a, x[8], 0x455A14ED, 20);
  MD5_G(a, b, c, d, x[13], 0xA9E3E905, 5);
  MD5_G(d, a, b, c, x[2], 0xFCEFA3F8, 9);
  MD5_G(c, d, a, b, x[7], 0x676F02D9, 14);
  MD5_G(b, c, d, a, x[12], 0x8D2A4C8A, 20);
  // Round 3.
  MD5_H(a, b, c, d, x[5], 0xFFFA3942, 4);
  MD5_H(d, a, b, c, x[8], 0x8771F681, 11);
  MD5_H(c, d, a, b, x[11], 0x6D9D6122, 16);
  MD5_H(b, c, d, a, x[14], 0xFDE5380C, 23);
  MD5_H(a, b, c, d, x[1], 0xA4BEEA44, 4);
  MD5_H(d, a, b, c, x[4], 0x4BDECFA9, 11);
  MD5_H(c, d, a, b, x[7], 0xF6BB4B60, 16);
  MD5_H(b, c, d, a, x[10], 0xBEBFBC70, 23);
  MD5_H(a, b, c, d, x[13], 0x289B7EC6, 4);
  MD5_H(d, a, b, c, x[0], 0xEAA127FA, 11);
  MD5_H(c, d, a, b, x[3], 0xD4EF3085, 16);
  MD5_H(b, c, d, a, x[6], 0x04881D05, 23);
  MD5_H(a, b, c, d, x[9], 0xD9D4D039, 4);
  MD5_H(d, a, b, c, x[12], 0xE6DB99E5, 11);
  MD5_H(c, d, a, b, x[15], 0x1FA27CF8, 16);
  MD5_H(b, c, d, a, x[2], 0xC4AC5665, 23);
  // Round 4.
  MD5_I(a, b, c, d, x[0], 0xF4292244, 6);
  MD5_I(d, a, b, c, x[7], 0x432AFF97, 10);
  MD5_I(c, d, a, b, x[14], 0xAB9423A7, 15);
  MD5_I(b, c, d, a, x[5], 0xFC93A039, 21);
  MD5_I(a, b, c, d, x[12], 0x655B59C3, 6);
  MD5_I(d, a, b, c, x[3], 0x8F0CCC92, 10);
  MD5_I(c, d, a, b, x[10], 0xFFEFF47D, 15);
  MD5_I(b, c, d, a, x[1], 0x85845DD1, 21);
  MD5_I(a, b, c, d, x[8], 0x6FA87E4F, 6);
  MD5_I(d, a, b, c, x[15], 0xFE2CE6E0, 10);
  MD5_I(c, d, a, b, x[6], 0xA3014314, 15);
  MD5_I(b, c, d, a, x[13], 0x4E0811A1, 21);
  MD5_I(a, b, c, d, x[4], 0xF7537E82, 6);
  MD5_I(d, a, b, c, x[11], 0xBD3AF235, 10);
  MD5_I(c, d, a, b, x[2], 0x2AD7D2BB, 15);
  MD5_I(b, c, d, a, x[9], 0xEB86D391, 21);
    // clang-format on

    // The stored state is the feed-forward value, so no registers go to copies of it.
    a = s[0] += a;
    b = s[1] += b;
    c = s[2] += c;
    d = s[3] += d;
  }
  WipeMemory(x, sizeof x);
}

#undef MD5_STEP
#undef MD5_F
#undef MD5_G
#undef MD5_H
#undef MD5_I

// ---- TSHA0 ----

void TSHA0::Reset() {
  // FIPS 180-4, section 5.3.1.
  State[0] = 0x67452301;
  State[1] = 0xEFCDAB89;
  State[2] = 0x98BADCFE;
  State[3] = 0x10325476;
  State[4] = 0xC3D2E1F0;
  TBlockHash::Reset();
}

IDigestPtr TSHA0::Clone() const {
  return std::make_shared<TSHA0>(*this);
}

void TSHA0::AppendPadding() {
  AppendLengthPadding(8, true);
}

THashBytes TSHA0::ReadOutDigest() {
  THashBytes digest(20);
  for (std::size_t i = 0; i < 5; ++i) StoreBigEndian32(&digest[4 * i], State[i]);
  return digest;
}

void TSHA0::ExpandSchedule(std::uint32_t* w) const {
  // clang-format off
  w[16] = w[13] ^ w[8] ^ w[2] ^ w[0];
  w[17] = w[14] ^ w[9] ^ w[3] ^ w[1];
  w[18] = w[15] ^ w[10] ^ w[4] ^ w[2];
  w[19] = w[16] ^ w[11] ^ w[5] ^ w[3];
  w[20] = w[17] ^ w[12] ^ w[6] ^ w[4];
  w[21] = w[18] ^ w[13] ^ w[7] ^ w[5];
  w[22] = w[19] ^ w[14] ^ w[8] ^ w[6];
  w[23] = w[20] ^ w[15] ^ w[9] ^ w[7];
  w[24] = w[21] ^ w[16] ^ w[10] ^ w[8];
  w[25] = w[22] ^ w[17] ^ w[11] ^ w[9];
  w[26] = w[23] ^ w[18] ^ w[12] ^ w[10];
  w[27] = w[24] ^ w[19] ^ w[13] ^ w[11];
  w[28] = w[25] ^ w[20] ^ w[14] ^ w[12];
  w[29] = w[26] ^ w[21] ^ w[15] ^ w[13];
  w[30] = w[27] ^ w[22] ^ w[16] ^ w[14];
  w[31] = w[28] ^ w[23] ^ w[17] ^ w[15];
  w[32] = w[29] ^ w[24] ^ w[18] ^ w[16];
  w[33] = w[30] ^ w[25] ^ w[19] ^ w[17];
  w[34] = w[31] ^ w[26] ^ w[20] ^ w[18];
  w[35] = w[32] ^ w[27] ^ w[21] ^ w[19];
  w[36] = w[33] ^ w[28] ^ w[22] ^ w[20];
  w[37] = w[34] ^ w[29] ^ w[23] ^ w[21];
  w[38] = w[35] ^ w[30] ^ w[24] ^ w[22];
  w[39] = w[36] ^ w[31] ^ w[25] ^ w[23];
  w[40] = w[37] ^ w[32] ^ w[26] ^ w[24];
  w[41] = w[38] ^ w[33] ^ w[27] ^ w[25];
  w[42] = w[39] ^ w[34] ^ w[28] ^ w[26];
  w[43] = w[40] ^ w[35] ^ w[29] ^ w[27];
  w[44] = w[41] ^ w[36] ^ w[30] ^ w[28];
  w[45] = w[42] ^ w[37] ^ w[31] ^ w[29];
  w[46] = w[43] ^ w[38] ^ w[32] ^ w[30];
  w[47] = w[44] ^ w[39] ^ w[33] ^ w[31];
  w[48] = w[45] ^ w[40] ^ w[34] ^ w[32];
  w[49] = w[46] ^ w[41] ^ w[35] ^ w[33];
  w[50] = w[47] ^ w[42] ^ w[36] ^ w[34];
  w[51] = w[48] ^ w[43] ^ w[37] ^ w[35];
  w[52] = w[49] ^ w[44] ^ w[38] ^ w[36];
  w[53] = w[50] ^ w[45] ^ w[39] ^ w[37];
  w[54] = w[51] ^ w[46] ^ w[40] ^ w[38];
  w[55] = w[52] ^ w[47] ^ w[41] ^ w[39];
  w[56] = w[53] ^ w[48] ^ w[42] ^ w[40];
  w[57] = w[54] ^ w[49] ^ w[43] ^ w[41];
  w[58] = w[55] ^ w[50] ^ w[44] ^ w[42];
  w[59] = w[56] ^ w[51] ^ w[45] ^ w[43];
  w[60] = w[57] ^ w[52] ^ w[46] ^ w[44];
  w[61] = w[58] ^ w[53] ^ w[47] ^ w[45];
  w[62] = w[59] ^ w[54] ^ w[48] ^ w[46];
  w[63] = w[60] ^ w[55] ^ w[49] ^ w[47];
  w[64] = w[61] ^ w[56] ^ w[50] ^ w[48];
  w[65] = w[62] ^ w[57] ^ w[51] ^ w[49];
  w[66] = w[63] ^ w[58] ^ w[52] ^ w[50];
  w[67] = w[64] ^ w[59] ^ w[53] ^ w[51];
  w[68] = w[65] ^ w[60] ^ w[54] ^ w[52];
  w[69] = w[66] ^ w[61] ^ w[55] ^ w[53];
  w[70] = w[67] ^ w[62] ^ w[56] ^ w[54];
  w[71] = w[68] ^ w[63] ^ w[57] ^ w[55];
  w[72] = w[69] ^ w[64] ^ w[58] ^ w[56];
  w[73] = w[70] ^ w[65] ^ w[59] ^ w[57];
  w[74] = w[71] ^ w[66] ^ w[60] ^ w[58];
  w[75] = w[72] ^ w[67] ^ w[61] ^ w[59];
  w[76] = w[73] ^ w[68] ^ w[62] ^ w[60];
  w[77] = w[74] ^ w[69] ^ w[63] ^ w[61];
  w[78] = w[75] ^ w[70] ^ w[64] ^ w[62];
  w[79] = w[76] ^ w[71] ^ w[65] ^ w[63];
  // clang-format on
}

// One step of FIPS 180-4, section 6.1.2, step 3, with the working variables renamed
// instead of shifted. Ch and Maj are written with fewer operations; the two terms of Maj
// never overlap, so they add; its parts c & d and c ^ d wait only on older words than b.
// The sum is built so that the term that depends on the step just before, rotl(a, 5),
// comes last and the chain from step to step stays short.
#define SHA1_STEP(a, b, e, f, k, w) \
  e += (w) + (k);                   \
  e += (f);                         \
  e += std::rotl(a, 5);             \
  b = std::rotl(b, 30)
#define SHA1_F0(a, b, c, d, e, w) SHA1_STEP(a, b, e, (d ^ (b & (c ^ d))), 0x5A827999U, w)
#define SHA1_F1(a, b, c, d, e, w) SHA1_STEP(a, b, e, (b ^ c ^ d), 0x6ED9EBA1U, w)
#define SHA1_F2(a, b, c, d, e, w) SHA1_STEP(a, b, e, ((c & d) + (b & (c ^ d))), 0x8F1BBCDCU, w)
#define SHA1_F3(a, b, c, d, e, w) SHA1_STEP(a, b, e, (b ^ c ^ d), 0xCA62C1D6U, w)

void TSHA0::CompressBlock(const std::uint8_t* bytes, std::int32_t count, std::size_t start) {
  const std::uint8_t* block = bytes + start;
  const std::uint8_t* const end = block + count;
  std::uint32_t w[80];
  std::uint32_t* s = State.data();
  std::uint32_t a = s[0], b = s[1], c = s[2], d = s[3], e = s[4];
  for (; block != end; block += 64) {
    for (int i = 0; i < 16; ++i) w[i] = LoadBigEndian32(block + 4 * i);
    ExpandSchedule(w);

    // clang-format off
  SHA1_F0(a, b, c, d, e, w[0]);
  SHA1_F0(e, a, b, c, d, w[1]);
  SHA1_F0(d, e, a, b, c, w[2]);
  SHA1_F0(c, d, e, a, b, w[3]);
  SHA1_F0(b, c, d, e, a, w[4]);
  SHA1_F0(a, b, c, d, e, w[5]);
  SHA1_F0(e, a, b, c, d, w[6]);
  SHA1_F0(d, e, a, b, c, w[7]);
  SHA1_F0(c, d, e, a, b, w[8]);
  SHA1_F0(b, c, d, e, a, w[9]);
  SHA1_F0(a, b, c, d, e, w[10]);
  SHA1_F0(e, a, b, c, d, w[11]);
  SHA1_F0(d, e, a, b, c, w[12]);
  SHA1_F0(c, d, e, a, b, w[13]);
  SHA1_F0(b, c, d, e, a, w[14]);
  SHA1_F0(a, b, c, d, e, w[15]);
  SHA1_F0(e, a, b, c, d, w[16]);
  SHA1_F0(d, e, a, b, c, w[17]);
  SHA1_F0(c, d, e, a, b, w[18]);
  SHA1_F0(b, c, d, e, a, w[19]);
  SHA1_F1(a, b, c, d, e, w[20]);
  SHA1_F1(e, a, b, c, d, w[21]);
  SHA1_F1(d, e, a, b, c, w[22]);
  SHA1_F1(c, d, e, a, b, w[23]);
  SHA1_F1(b, c, d, e, a, w[24]);
  SHA1_F1(a, b, c, d, e, w[25]);
  SHA1_F1(e, a, b, c, d, w[26]);
  SHA1_F1(d, e, a, b, c, w[27]);
  SHA1_F1(c, d, e, a, b, w[28]);
  SHA1_F1(b, c, d, e, a, w[29]);
  SHA1_F1(a, b, c, d, e, w[30]);
  SHA1_F1(e, a, b, c, d, w[31]);
  SHA1_F1(d, e, a, b, c, w[32]);
  SHA1_F1(c, d, e, a, b, w[33]);
  SHA1_F1(b, c, d, e, a, w[34]);
  SHA1_F1(a, b, c, d, e, w[35]);
  SHA1_F1(e, a, b, c, d, w[36]);
  SHA1_F1(d, e, a, b, c, w[37]);
  SHA1_F1(c, d, e, a, b, w[38]);
  SHA1_F1(b, c, d, e, a, w[39]);
  SHA1_F2(a, b, c, d, e, w[40]);
  SHA1_F2(e, a, b, c, d, w[41]);
  SHA1_F2(d, e, a, b, c, w[42]);
  SHA1_F2(c, d, e, a, b, w[43]);
  SHA1_F2(b, c, d, e, a, w[44]);
  SHA1_F2(a, b, c, d, e, w[45]);
  SHA1_F2(e, a, b, c, d, w[46]);
  SHA1_F2(d, e, a, b, c, w[47]);
  SHA1_F2(c, d, e, a, b, w[48]);
  SHA1_F2(b, c, d, e, a, w[49]);
  SHA1_F2(a, b, c, d, e, w[50]);
  SHA1_F2(e, a, b, c, d, w[51]);
  SHA1_F2(d, e, a, b, c, w[52]);
  SHA1_F2(c, d, e, a, b, w[53]);
  SHA1_F2(b, c, d, e, a, w[54]);
  SHA1_F2(a, b, c, d, e, w[55]);
  SHA1_F2(e, a, b, c, d, w[56]);
  SHA1_F2(d, e, a, b, c, w[57]);
  SHA1_F2(c, d, e, a, b, w[58]);
  SHA1_F2(b, c, d, e, a, w[59]);
  SHA1_F3(a, b, c, d, e, w[60]);
  SHA1_F3(e, a, b, c, d, w[61]);
  SHA1_F3(d, e, a, b, c, w[62]);
  SHA1_F3(c, d, e, a, b, w[63]);
  SHA1_F3(b, c, d, e, a, w[64]);
  SHA1_F3(a, b, c, d, e, w[65]);
  SHA1_F3(e, a, b, c, d, w[66]);
  SHA1_F3(d, e, a, b, c, w[67]);
  SHA1_F3(c, d, e, a, b, w[68]);
  SHA1_F3(b, c, d, e, a, w[69]);
  SHA1_F3(a, b, c, d, e, w[70]);
  SHA1_F3(e, a, b, c, d, w[71]);
  SHA1_F3(d, e, a, b, c, w[72]);
  SHA1_F3(c, d, e, a, b, w[73]);
  SHA1_F3(b, c, d, e, a, w[74]);
  SHA1_F3(a, b, c, d, e, w[75]);
  SHA1_F3(e, a, b, c, d, w[76]);
  SHA1_F3(d, e, a, b, c, w[77]);
  SHA1_F3(c, d, e, a, b, w[78]);
  SHA1_F3(b, c, d, e, a, w[79]);
    // clang-format on

    // The stored state is the feed-forward value, so no registers go to copies of it.
    a = s[0] += a;
    b = s[1] += b;
    c = s[2] += c;
    d = s[3] += d;
    e = s[4] += e;
  }
  WipeMemory(w, sizeof w);
}

#undef SHA1_STEP
#undef SHA1_F0
#undef SHA1_F1
#undef SHA1_F2
#undef SHA1_F3

// ---- TSHA1 ----

IDigestPtr TSHA1::Clone() const {
  return std::make_shared<TSHA1>(*this);
}

void TSHA1::ExpandSchedule(std::uint32_t* w) const {
  // clang-format off
  w[16] = std::rotl(w[13] ^ w[8] ^ w[2] ^ w[0], 1);
  w[17] = std::rotl(w[14] ^ w[9] ^ w[3] ^ w[1], 1);
  w[18] = std::rotl(w[15] ^ w[10] ^ w[4] ^ w[2], 1);
  w[19] = std::rotl(w[16] ^ w[11] ^ w[5] ^ w[3], 1);
  w[20] = std::rotl(w[17] ^ w[12] ^ w[6] ^ w[4], 1);
  w[21] = std::rotl(w[18] ^ w[13] ^ w[7] ^ w[5], 1);
  w[22] = std::rotl(w[19] ^ w[14] ^ w[8] ^ w[6], 1);
  w[23] = std::rotl(w[20] ^ w[15] ^ w[9] ^ w[7], 1);
  w[24] = std::rotl(w[21] ^ w[16] ^ w[10] ^ w[8], 1);
  w[25] = std::rotl(w[22] ^ w[17] ^ w[11] ^ w[9], 1);
  w[26] = std::rotl(w[23] ^ w[18] ^ w[12] ^ w[10], 1);
  w[27] = std::rotl(w[24] ^ w[19] ^ w[13] ^ w[11], 1);
  w[28] = std::rotl(w[25] ^ w[20] ^ w[14] ^ w[12], 1);
  w[29] = std::rotl(w[26] ^ w[21] ^ w[15] ^ w[13], 1);
  w[30] = std::rotl(w[27] ^ w[22] ^ w[16] ^ w[14], 1);
  w[31] = std::rotl(w[28] ^ w[23] ^ w[17] ^ w[15], 1);
  w[32] = std::rotl(w[29] ^ w[24] ^ w[18] ^ w[16], 1);
  w[33] = std::rotl(w[30] ^ w[25] ^ w[19] ^ w[17], 1);
  w[34] = std::rotl(w[31] ^ w[26] ^ w[20] ^ w[18], 1);
  w[35] = std::rotl(w[32] ^ w[27] ^ w[21] ^ w[19], 1);
  w[36] = std::rotl(w[33] ^ w[28] ^ w[22] ^ w[20], 1);
  w[37] = std::rotl(w[34] ^ w[29] ^ w[23] ^ w[21], 1);
  w[38] = std::rotl(w[35] ^ w[30] ^ w[24] ^ w[22], 1);
  w[39] = std::rotl(w[36] ^ w[31] ^ w[25] ^ w[23], 1);
  w[40] = std::rotl(w[37] ^ w[32] ^ w[26] ^ w[24], 1);
  w[41] = std::rotl(w[38] ^ w[33] ^ w[27] ^ w[25], 1);
  w[42] = std::rotl(w[39] ^ w[34] ^ w[28] ^ w[26], 1);
  w[43] = std::rotl(w[40] ^ w[35] ^ w[29] ^ w[27], 1);
  w[44] = std::rotl(w[41] ^ w[36] ^ w[30] ^ w[28], 1);
  w[45] = std::rotl(w[42] ^ w[37] ^ w[31] ^ w[29], 1);
  w[46] = std::rotl(w[43] ^ w[38] ^ w[32] ^ w[30], 1);
  w[47] = std::rotl(w[44] ^ w[39] ^ w[33] ^ w[31], 1);
  w[48] = std::rotl(w[45] ^ w[40] ^ w[34] ^ w[32], 1);
  w[49] = std::rotl(w[46] ^ w[41] ^ w[35] ^ w[33], 1);
  w[50] = std::rotl(w[47] ^ w[42] ^ w[36] ^ w[34], 1);
  w[51] = std::rotl(w[48] ^ w[43] ^ w[37] ^ w[35], 1);
  w[52] = std::rotl(w[49] ^ w[44] ^ w[38] ^ w[36], 1);
  w[53] = std::rotl(w[50] ^ w[45] ^ w[39] ^ w[37], 1);
  w[54] = std::rotl(w[51] ^ w[46] ^ w[40] ^ w[38], 1);
  w[55] = std::rotl(w[52] ^ w[47] ^ w[41] ^ w[39], 1);
  w[56] = std::rotl(w[53] ^ w[48] ^ w[42] ^ w[40], 1);
  w[57] = std::rotl(w[54] ^ w[49] ^ w[43] ^ w[41], 1);
  w[58] = std::rotl(w[55] ^ w[50] ^ w[44] ^ w[42], 1);
  w[59] = std::rotl(w[56] ^ w[51] ^ w[45] ^ w[43], 1);
  w[60] = std::rotl(w[57] ^ w[52] ^ w[46] ^ w[44], 1);
  w[61] = std::rotl(w[58] ^ w[53] ^ w[47] ^ w[45], 1);
  w[62] = std::rotl(w[59] ^ w[54] ^ w[48] ^ w[46], 1);
  w[63] = std::rotl(w[60] ^ w[55] ^ w[49] ^ w[47], 1);
  w[64] = std::rotl(w[61] ^ w[56] ^ w[50] ^ w[48], 1);
  w[65] = std::rotl(w[62] ^ w[57] ^ w[51] ^ w[49], 1);
  w[66] = std::rotl(w[63] ^ w[58] ^ w[52] ^ w[50], 1);
  w[67] = std::rotl(w[64] ^ w[59] ^ w[53] ^ w[51], 1);
  w[68] = std::rotl(w[65] ^ w[60] ^ w[54] ^ w[52], 1);
  w[69] = std::rotl(w[66] ^ w[61] ^ w[55] ^ w[53], 1);
  w[70] = std::rotl(w[67] ^ w[62] ^ w[56] ^ w[54], 1);
  w[71] = std::rotl(w[68] ^ w[63] ^ w[57] ^ w[55], 1);
  w[72] = std::rotl(w[69] ^ w[64] ^ w[58] ^ w[56], 1);
  w[73] = std::rotl(w[70] ^ w[65] ^ w[59] ^ w[57], 1);
  w[74] = std::rotl(w[71] ^ w[66] ^ w[60] ^ w[58], 1);
  w[75] = std::rotl(w[72] ^ w[67] ^ w[61] ^ w[59], 1);
  w[76] = std::rotl(w[73] ^ w[68] ^ w[62] ^ w[60], 1);
  w[77] = std::rotl(w[74] ^ w[69] ^ w[63] ^ w[61], 1);
  w[78] = std::rotl(w[75] ^ w[70] ^ w[64] ^ w[62], 1);
  w[79] = std::rotl(w[76] ^ w[71] ^ w[65] ^ w[63], 1);
  // clang-format on
}

}  // namespace keyloom
