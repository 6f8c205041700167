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
  std::uint32_t NextRandomWord();
  // floor(m * w / 2^32) for one word w, with m = n, or n + 1 when n is negative: a number
  // in 0..n-1 for n > 0. Always consumes exactly one word.
  std::int32_t RandomBelow(std::int32_t n);

  std::uint32_t RandomSeed() const { return random_seed_; }
  std::uint32_t SeenSeed() const { return seen_seed_; }

 private:
  void BuildState(std::uint32_t seed);
  void Regenerate();

  static constexpr int kWords = 624;
  std::array<std::uint32_t, kWords> state_{};
  int position_ = kWords + 1;  // 625: the state was never built
  std::uint32_t random_seed_ = 0;
  std::uint32_t seen_seed_ = 0;
};

// The scaling of RandomBelow: floor(m * word / 2^32), m = n, or n + 1 when n is negative.
std::int32_t ScaleBelow(std::int32_t n, std::uint32_t word);

// The process-wide source that every generator draws from.
RandomSource& TheRandomSource();

inline void SeedRandom(std::uint32_t seed) {
  TheRandomSource().SeedRandom(seed);
}
inline std::int32_t RandomBelow(std::int32_t n) {
  return TheRandomSource().RandomBelow(n);
}

}  // namespace keyloom
