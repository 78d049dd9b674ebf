#pragma once

#include <cstdint>

#include "engine/uniform_source.h"

namespace quirlweg {

// Seeds a class can read off the board and type in again: up to six digits.
inline constexpr std::uint64_t kLargestShortSeed = 999999;

inline std::uint64_t ShortSeed(std::uint64_t bits) {
  return bits % kLargestShortSeed + 1;
}

// A first seed, from the clock.
inline std::uint64_t SeedFromClock() {
  return ShortSeed(Xoshiro128::SeededFromClock().NextBits());
}

// The seed of the series that follows one walked from `seed` with `generator` as it stands
// now: the same seed while nothing was drawn from it, so that a seed typed in survives a
// change made before the first click; else the next one drawn from the generator, so that
// every series has a seed of its own.
inline std::uint64_t NextSeriesSeed(std::uint64_t seed, const Xoshiro128& generator) {
  if (generator == Xoshiro128(seed)) return seed;
  Xoshiro128 drawing = generator;
  return ShortSeed(drawing.NextBits());
}

}  // namespace quirlweg
