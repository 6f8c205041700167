// The program's one pseudo-random source: MT19937 (Matsumoto and Nishimura, 1998) with the
// reference init_genrand, twist and tempering, built from its seed at the first draw.
#pragma once

#include <array>
#include <cstdint>

namespace keyloom {

class RandomSource {
 public:
  // Stores the seed only; the state is built from it at the next draw.
  void SeedRandom(std::uint32_t seed) { random_seed_ = seed; }
  std::uint32_t NextRandomWord() {
    // Most draws only temper the next word of a state built from the seed in force.
    if (random_seed_ == seen_seed_ && position_ < kWords) return Temper(state_[position_++]);
    return NextRandomWordSlow();
  }
  // floor(m * w / 2^32) for one word w, with m = n, or n + 1 when n is negative: a number
  // in 0..n-1 for n > 0. Always consumes exactly one word.
  std::int32_t RandomBelow(std::int32_t n);

  std::uint32_t RandomSeed() const { return random_seed_; }
  std::uint32_t SeenSeed() const { return seen_seed_; }

 private:
  // The reference tempering: shifts 11, 7, 15, 18 with masks 0x9D2C5680 and 0xEFC60000.
  static std::uint32_t Temper(std::uint32_t y) {
    y ^= y >> 11;
    y ^= (y << 7) & 0x9D2C5680u;
    y ^= (y << 15) & 0xEFC60000u;
    y ^= y >> 18;
    return y;
  }
  // Builds the state when the seed changed or was never used, regenerates it every 624
  // words, then draws.
  std::uint32_t NextRandomWordSlow();
  void BuildState(std::uint32_t seed);
  void Regenerate();

  static constexpr int kWords = 624;
  std::array<std::uint32_t, kWords> state_{};
  int position_ = kWords + 1;  // 625: the state was never built
  std::uint32_t random_seed_ = 0;
  std::uint32_t seen_seed_ = 0;
};

// The scaling of RandomBelow: floor(m * word / 2^32), m = n, or n + 1 when n is negative.
// The arithmetic shift of the signed product is that floor for either sign.
inline std::int32_t ScaleBelow(std::int32_t n, std::uint32_t word) {
  const std::int64_t m = n >= 0 ? n : static_cast<std::int64_t>(n) + 1;
  return static_cast<std::int32_t>((m * static_cast<std::int64_t>(word)) >> 32);
}

inline std::int32_t RandomSource::RandomBelow(std::int32_t n) {
  return ScaleBelow(n, NextRandomWord());
}

// The process-wide source that every generator draws from.
RandomSource& TheRandomSource();

inline void SeedRandom(std::uint32_t seed) {
  TheRandomSource().SeedRandom(seed);
}
inline std::int32_t RandomBelow(std::int32_t n) {
  return TheRandomSource().RandomBelow(n);
}

}  // namespace keyloom
