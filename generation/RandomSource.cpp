#include "generation/RandomSource.h"

namespace keyloom {

void RandomSource::BuildState(std::uint32_t seed) {
  // init_genrand of the reference implementation.
  state_[0] = seed;
  for (int i = 1; i < kWords; ++i) {
    const std::uint32_t prev = state_[i - 1];
    state_[i] = 1812433253u * (prev ^ (prev >> 30)) + static_cast<std::uint32_t>(i);
  }
}

void RandomSource::Regenerate() {
  // The reference twist of all 624 words: n = 624, m = 397, matrix 0x9908B0DF.
  constexpr int kM = 397;
  constexpr std::uint32_t kUpper = 0x80000000u;
  constexpr std::uint32_t kLower = 0x7FFFFFFFu;
  constexpr std::uint32_t kMatrix = 0x9908B0DFu;
  for (int k = 0; k < kWords; ++k) {
    const std::uint32_t y = (state_[k] & kUpper) | (state_[(k + 1) % kWords] & kLower);
    state_[k] = state_[(k + kM) % kWords] ^ (y >> 1) ^ ((y & 1u) ? kMatrix : 0u);
  }
}

std::uint32_t RandomSource::NextRandomWord() {
  int i = position_++;
  if (random_seed_ != seen_seed_ || i >= kWords + 1) {
    BuildState(random_seed_);
    random_seed_ = ~random_seed_;
    seen_seed_ = random_seed_;
    i = kWords;
  }
  if (i == kWords) {
    Regenerate();
    i = 0;
    position_ = 1;
  }
  std::uint32_t y = state_[static_cast<std::size_t>(i)];
  y ^= y >> 11;
  y ^= (y << 7) & 0x9D2C5680u;
  y ^= (y << 15) & 0xEFC60000u;
  y ^= y >> 18;
  return y;
}

std::int32_t ScaleBelow(std::int32_t n, std::uint32_t word) {
  const std::int64_t m = n >= 0 ? n : static_cast<std::int64_t>(n) + 1;
  // The upper half of the 64-bit product; for negative m the floor, as an arithmetic shift
  // would give it.
  const std::int64_t product = m * static_cast<std::int64_t>(word);
  const std::int64_t high =
      product >= 0 ? product / 4294967296LL : -((-product + 4294967295LL) / 4294967296LL);
  return static_cast<std::int32_t>(high);
}

std::int32_t RandomSource::RandomBelow(std::int32_t n) {
  return ScaleBelow(n, NextRandomWord());
}

RandomSource& TheRandomSource() {
  static RandomSource source;
  return source;
}

}  // namespace keyloom
