// The direction draw straight from the generator's bits must give exactly floor(6u) of the u
// the same draw would have made, or the walk would change with the speed-up.

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>

#include "engine/uniform_source.h"

namespace quirlweg {
namespace {

constexpr int kDraws = 1'000'000;

int FloorSixTimes(float u) {
  return static_cast<int>(std::floor(6.0 * static_cast<double>(u)));
}

TEST(NextBelowSix, EqualsFloorOfSixTimesTheSameDraw) {
  for (const std::uint64_t seed : {0ULL, 1ULL, 20240611ULL, 0xFFFFFFFFFFFFFFFFULL}) {
    Xoshiro128 fast(seed);
    Xoshiro128 plain(seed);
    int mismatches = 0;
    for (int i = 0; i < kDraws; ++i)
      mismatches += fast.NextBelowSix() != FloorSixTimes(plain.Next());
    EXPECT_EQ(mismatches, 0) << "seed " << seed;
  }
}

TEST(NextBelowSix, ProgramSourceAgreesWithTheInterfaceDefault) {
  // The interface's own version works from Next(); the program's source overrides it.
  GeneratorSource fast(Xoshiro128(7));
  GeneratorSource plain(Xoshiro128(7));
  int mismatches = 0;
  for (int i = 0; i < kDraws; ++i) {
    mismatches += fast.NextBelowSix() != plain.UniformSource::NextBelowSix();
  }
  EXPECT_EQ(mismatches, 0);
}

}  // namespace
}  // namespace quirlweg
