#include <gtest/gtest.h>

#include <random>

#include "generation/RandomSource.h"

namespace keyloom {
namespace {

TEST(RandomSource, MatchesReferenceMt19937AcrossRegenerations) {
  for (std::uint32_t seed : {0u, 1u, 5489u, 4242u, 0xFFFFFFFFu}) {
    RandomSource source;
    source.SeedRandom(seed);
    std::mt19937 reference(seed);
    for (int i = 0; i < 2000; ++i) {
      ASSERT_EQ(source.NextRandomWord(), reference()) << "seed " << seed << " word " << i;
    }
  }
}

TEST(RandomSource, PublishedWordsForSeed5489) {
  RandomSource source;
  source.SeedRandom(5489);
  EXPECT_EQ(source.NextRandomWord(), 3499211612u);
  EXPECT_EQ(source.NextRandomWord(), 581869302u);
  EXPECT_EQ(source.NextRandomWord(), 3890346734u);
  for (int i = 4; i < 624; ++i) source.NextRandomWord();
  EXPECT_EQ(source.NextRandomWord(), 4020325887u);  // word 624
  EXPECT_EQ(source.NextRandomWord(), 4178893912u);  // first word after the regeneration
}

TEST(RandomSource, UnseededSourceBuildsFromZero) {
  RandomSource source;
  EXPECT_EQ(source.NextRandomWord(), 2357136044u);
}

TEST(RandomSource, SeedIsComplementedWhenTheStateIsBuilt) {
  RandomSource source;
  source.SeedRandom(5489);
  EXPECT_EQ(source.RandomSeed(), 5489u);
  source.NextRandomWord();
  EXPECT_EQ(source.RandomSeed(), 4294961806u);
  EXPECT_EQ(source.SeenSeed(), 4294961806u);
}

TEST(RandomSource, StoringTheSameSeedAgainRestartsTheSequence) {
  RandomSource source;
  source.SeedRandom(5489);
  for (int i = 0; i < 10; ++i) source.NextRandomWord();
  source.SeedRandom(5489);
  EXPECT_EQ(source.NextRandomWord(), 3499211612u);
}

TEST(RandomSource, StoringTheHeldComplementContinuesTheSequence) {
  RandomSource source;
  std::mt19937 reference(5489);
  source.SeedRandom(5489);
  for (int i = 0; i < 10; ++i) ASSERT_EQ(source.NextRandomWord(), reference());
  source.SeedRandom(4294961806u);
  EXPECT_EQ(source.NextRandomWord(), reference());
}

TEST(RandomBelow, ScalesOneWordWithoutRejection) {
  RandomSource a;
  a.SeedRandom(5489);
  EXPECT_EQ(a.RandomBelow(75), 61);  // word 3499211612
  RandomSource b;
  b.SeedRandom(5489);
  EXPECT_EQ(b.RandomBelow(94), 76);
}

TEST(RandomBelow, EveryCallConsumesExactlyOneWord) {
  RandomSource source;
  std::mt19937 reference(77);
  source.SeedRandom(77);
  for (std::int32_t n : {0, 1, 2, 75, 94, 72, 1000, -1, -5, 2147483647}) {
    const std::int32_t got = source.RandomBelow(n);
    const std::uint32_t w = reference();
    EXPECT_EQ(got, ScaleBelow(n, w)) << "n " << n;
  }
  EXPECT_EQ(source.NextRandomWord(), reference());
}

TEST(ScaleBelow, CutsTheWordRangeIntoNRuns) {
  struct Case {
    std::int32_t n;
    std::uint32_t word;
    std::int32_t expected;
  };
  const Case cases[] = {
      {75, 0u, 0},
      {75, 0xFFFFFFFFu, 74},
      {94, 0u, 0},
      {94, 0xFFFFFFFFu, 93},
      {72, 0xFFFFFFFFu, 71},
      {1, 0xFFFFFFFFu, 0},
      {0, 0xFFFFFFFFu, 0},
      {2, 0x7FFFFFFFu, 0},
      {2, 0x80000000u, 1},
      {-1, 0xFFFFFFFFu, 0},
      {-5, 0xFFFFFFFFu, -4},
      {-5, 1u, -1},
      {-5, 0u, 0},
      {2147483647, 0xFFFFFFFFu, 2147483646},
      {-2147483647 - 1, 0xFFFFFFFFu, -2147483647},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(ScaleBelow(c.n, c.word), c.expected) << c.n << " " << c.word;
  }
}

}  // namespace
}  // namespace keyloom
