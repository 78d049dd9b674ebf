#include "uniform_source.h"

#include <chrono>

namespace quirlweg {

namespace {
// splitmix64 spreads one 64-bit seed over the generator's 128 bits of state.
std::uint64_t SplitMix64(std::uint64_t& x) {
  std::uint64_t z = (x += 0x9E3779B97F4A7C15ULL);
  z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
  z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
  return z ^ (z >> 31);
}
}  // namespace

Xoshiro128::Xoshiro128(std::uint64_t seed) {
  const std::uint64_t a = SplitMix64(seed);
  const std::uint64_t b = SplitMix64(seed);
  s_ = {static_cast<std::uint32_t>(a), static_cast<std::uint32_t>(a >> 32),
        static_cast<std::uint32_t>(b), static_cast<std::uint32_t>(b >> 32)};
  if (a == 0 && b == 0) s_[0] = 1;  // the all-zero state would stay zero forever
}

Xoshiro128 Xoshiro128::SeededFromClock() {
  const auto now = std::chrono::high_resolution_clock::now().time_since_epoch().count();
  return Xoshiro128(static_cast<std::uint64_t>(now));
}

}  // namespace quirlweg
