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
  // The reference twist of all 624 words (n = 624, m = 397, matrix 0x9908B0DF), in the
  // reference's three runs so that no index needs wrapping.
  constexpr int kM = 397;
  constexpr std::uint32_t kUpper = 0x80000000u;
  constexpr std::uint32_t kLower = 0x7FFFFFFFu;
  auto twist = [](std::uint32_t far, std::uint32_t current, std::uint32_t next) {
    const std::uint32_t y = (current & kUpper) | (next & kLower);
    return far ^ (y >> 1) ^ ((0u - (y & 1u)) & 0x9908B0DFu);
  };
  std::uint32_t* mt = state_.data();
  int k = 0;
  for (; k < kWords - kM; ++k) mt[k] = twist(mt[k + kM], mt[k], mt[k + 1]);
  for (; k < kWords - 1; ++k) mt[k] = twist(mt[k + kM - kWords], mt[k], mt[k + 1]);
  mt[kWords - 1] = twist(mt[kM - 1], mt[kWords - 1], mt[0]);
}

std::uint32_t RandomSource::NextRandomWordSlow() {
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
  return Temper(state_[static_cast<std::size_t>(i)]);
}

RandomSource& TheRandomSource() {
  static RandomSource source;
  return source;
}

}  // namespace keyloom
