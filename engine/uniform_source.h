#pragma once

#include <array>
#include <concepts>
#include <cstdint>

namespace quirlweg {

// Uniform single-precision numbers u with 0 <= u < 1, one fresh number per call.
class UniformSource {
 public:
  virtual ~UniformSource() = default;
  virtual float Next() = 0;
  // floor(6u) for a fresh u: 0..5 with equal chance. In double, 6u never rounds up to 6. A
  // source that makes its u from integers can give the same number without the float.
  virtual int NextBelowSix() { return static_cast<int>(6.0 * static_cast<double>(Next())); }
};

// What the walk draws from: a source of its own or a benchmark's generator used directly.
template <class T>
concept UniformSourceRole = requires(T& s) {
  { s.Next() } -> std::convertible_to<float>;
  { s.NextBelowSix() } -> std::convertible_to<int>;
};

// xoshiro128++ (Blackman and Vigna): 32-bit output that passes TestU01's BigCrush and
// PractRand; the top 24 bits make the float, so every u is a multiple of 2^-24 below 1.
class Xoshiro128 {
 public:
  explicit Xoshiro128(std::uint64_t seed);
  static Xoshiro128 SeededFromClock();

  std::uint32_t NextBits() {
    const std::uint32_t result = Rotl(s_[0] + s_[3], 7) + s_[0];
    const std::uint32_t t = s_[1] << 9;
    s_[2] ^= s_[0];
    s_[3] ^= s_[1];
    s_[1] ^= s_[2];
    s_[0] ^= s_[3];
    s_[2] ^= t;
    s_[3] = Rotl(s_[3], 11);
    return result;
  }
  float Next() { return static_cast<float>(NextBits() >> 8) * 0x1.0p-24F; }
  // floor(6 * Next()) of the same draw, straight from its 24 bits: the walk's direction
  // costs no conversions, which lie on the path of its hardest-to-predict branch.
  int NextBelowSix() { return static_cast<int>(((NextBits() >> 8) * 6U) >> 24); }

  // Equal generators draw the same numbers from here on.
  friend bool operator==(const Xoshiro128&, const Xoshiro128&) = default;

 private:
  static std::uint32_t Rotl(std::uint32_t x, int k) { return (x << k) | (x >> (32 - k)); }
  std::array<std::uint32_t, 4> s_{};
};

// The program's own source behind the injectable interface.
class GeneratorSource final : public UniformSource {
 public:
  explicit GeneratorSource(Xoshiro128 generator) : generator_(generator) {}
  float Next() override { return generator_.Next(); }
  int NextBelowSix() override { return generator_.NextBelowSix(); }
  const Xoshiro128& generator() const { return generator_; }

 private:
  Xoshiro128 generator_;
};

static_assert(UniformSourceRole<UniformSource>);

}  // namespace quirlweg
