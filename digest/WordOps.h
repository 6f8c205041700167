// Word-level helpers shared by the block functions: loads and stores of 32- and 64-bit words
// in either byte order, and a wipe of working memory that the optimiser cannot drop.
#pragma once

#include <bit>
#include <cstddef>
#include <cstdint>
#include <cstring>

namespace keyloom::digest_detail {

inline constexpr bool kLittleEndianHost = std::endian::native == std::endian::little;

inline std::uint32_t SwapBytes32(std::uint32_t v) {
#if defined(__GNUC__) || defined(__clang__)
  return __builtin_bswap32(v);
#else
  return (v << 24) | ((v & 0xFF00U) << 8) | ((v >> 8) & 0xFF00U) | (v >> 24);
#endif
}

inline std::uint64_t SwapBytes64(std::uint64_t v) {
#if defined(__GNUC__) || defined(__clang__)
  return __builtin_bswap64(v);
#else
  return (static_cast<std::uint64_t>(SwapBytes32(static_cast<std::uint32_t>(v))) << 32) |
         SwapBytes32(static_cast<std::uint32_t>(v >> 32));
#endif
}

inline std::uint32_t LoadLittleEndian32(const std::uint8_t* p) {
  std::uint32_t v;
  std::memcpy(&v, p, 4);
  return kLittleEndianHost ? v : SwapBytes32(v);
}

inline std::uint32_t LoadBigEndian32(const std::uint8_t* p) {
  std::uint32_t v;
  std::memcpy(&v, p, 4);
  return kLittleEndianHost ? SwapBytes32(v) : v;
}

inline std::uint64_t LoadLittleEndian64(const std::uint8_t* p) {
  std::uint64_t v;
  std::memcpy(&v, p, 8);
  return kLittleEndianHost ? v : SwapBytes64(v);
}

inline std::uint64_t LoadBigEndian64(const std::uint8_t* p) {
  std::uint64_t v;
  std::memcpy(&v, p, 8);
  return kLittleEndianHost ? SwapBytes64(v) : v;
}

inline void StoreLittleEndian32(std::uint8_t* p, std::uint32_t v) {
  v = kLittleEndianHost ? v : SwapBytes32(v);
  std::memcpy(p, &v, 4);
}

inline void StoreBigEndian32(std::uint8_t* p, std::uint32_t v) {
  v = kLittleEndianHost ? SwapBytes32(v) : v;
  std::memcpy(p, &v, 4);
}

inline void StoreLittleEndian64(std::uint8_t* p, std::uint64_t v) {
  v = kLittleEndianHost ? v : SwapBytes64(v);
  std::memcpy(p, &v, 8);
}

inline void StoreBigEndian64(std::uint8_t* p, std::uint64_t v) {
  v = kLittleEndianHost ? SwapBytes64(v) : v;
  std::memcpy(p, &v, 8);
}

// Overwrites `count` bytes at `p` with zeros. The empty asm statement tells GCC and Clang
// that the memory is read afterwards, so the stores are not removed as dead; other
// compilers get stores through a volatile pointer.
inline void WipeMemory(void* p, std::size_t count) {
  if (count == 0) return;  // an empty buffer may have no storage at all (p == nullptr)
#if defined(__GNUC__) || defined(__clang__)
  std::memset(p, 0, count);
  __asm__ __volatile__("" : : "r"(p) : "memory");
#else
  volatile unsigned char* v = static_cast<volatile unsigned char*>(p);
  while (count-- > 0) *v++ = 0;
#endif
}

}  // namespace keyloom::digest_detail
