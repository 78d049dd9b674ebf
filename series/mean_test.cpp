#include "series/mean_test.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <complex>
#include <numbers>
#include <numeric>

namespace quirlweg {
namespace {

using Complex = std::complex<double>;

// 2^15 terms: two transforms take about 4 ms, quick enough for every refresh of the
// evaluation. Beyond it the totals spread over so many values that the normal range holds.
constexpr std::size_t kLargestTransform = std::size_t{1} << 15;
// Totals this close in chance count as equally likely.
constexpr double kRelativeTie = 1e-7;

// The discrete Fourier transform in place, `values.size()` a power of two. Written out
// because the browser edition builds this library without any system library to lean on.
void Transform(std::vector<Complex>& values, bool inverse) {
  const std::size_t n = values.size();
  for (std::size_t i = 1, j = 0; i < n; ++i) {
    std::size_t bit = n >> 1;
    for (; j & bit; bit >>= 1) j ^= bit;
    j ^= bit;
    if (i < j) std::swap(values[i], values[j]);
  }
  for (std::size_t width = 2; width <= n; width <<= 1) {
    const double angle = 2 * std::numbers::pi / static_cast<double>(width) * (inverse ? 1 : -1);
    const Complex unit = std::polar(1.0, angle);
    for (std::size_t start = 0; start < n; start += width) {
      Complex turn = 1;
      for (std::size_t k = 0; k < width / 2; ++k) {
        const Complex even = values[start + k];
        const Complex odd = values[start + k + width / 2] * turn;
        values[start + k] = even + odd;
        values[start + k + width / 2] = even - odd;
        turn *= unit;
      }
    }
  }
  if (inverse) {
    for (Complex& v : values) v /= static_cast<double>(n);
  }
}

// By squaring: std::pow goes through the logarithm, which a zero term does not have.
Complex Power(Complex base, int exponent) {
  Complex result = 1;
  for (; exponent > 0; exponent >>= 1, base *= base) {
    if (exponent & 1) result *= base;
  }
  return result;
}

// P(T = t) for the total T of `journeys` copies of `steps`, by the transform's powers.
std::vector<double> TotalDistribution(const std::vector<double>& steps, int journeys,
                                      std::size_t size) {
  std::vector<Complex> values(size);
  std::copy(steps.begin(), steps.end(), values.begin());
  Transform(values, false);
  for (Complex& v : values) v = Power(v, journeys);
  Transform(values, true);
  std::vector<double> total(size);
  // Rounding leaves tiny negative chances where the total cannot be.
  std::transform(values.begin(), values.end(), total.begin(),
                 [](const Complex& v) { return std::max(0.0, v.real()); });
  return total;
}

}  // namespace

std::optional<std::pair<std::int64_t, std::int64_t>> AcceptedLengthTotals(
    const std::vector<double>& lengths, int journeys, double alpha) {
  const auto first = std::find_if(lengths.begin(), lengths.end(), [](double p) { return p > 0; });
  if (journeys < 1 || first == lengths.end()) return std::nullopt;
  // Shifted to the shortest journey, so the transform spans only what the lengths spread over.
  const std::vector<double> steps(first, lengths.end());
  const auto shortest = static_cast<std::int64_t>(first - lengths.begin());
  // Asked before multiplying: in WebAssembly a size has 32 bits, and a million journeys of
  // 3-D lengths would wrap round to a small span.
  const std::size_t spread = steps.size() - 1;
  if (spread > 0 && static_cast<std::size_t>(journeys) > (kLargestTransform - 1) / spread) {
    return std::nullopt;
  }
  const std::size_t span = spread * static_cast<std::size_t>(journeys) + 1;
  const std::vector<double> total =
      TotalDistribution(steps, journeys, std::bit_ceil(std::max<std::size_t>(span, 2)));

  // The least likely totals are refused first, from whichever end is less likely, as long as
  // their chance together stays within alpha; totals of equal chance go together. Mass the
  // lengths lack lies beyond the end and counts as refused from the start.
  const double held = std::pow(std::accumulate(steps.begin(), steps.end(), 0.0), journeys);
  double refused = std::max(0.0, 1 - held);
  std::size_t low = 0;
  std::size_t high = span - 1;
  while (low < high) {
    const double atLow = total[low];
    const double atHigh = total[high];
    const bool tie = std::abs(atLow - atHigh) <= kRelativeTie * std::max(atLow, atHigh);
    const double next = tie ? atLow + atHigh : std::min(atLow, atHigh);
    if (refused + next > alpha) break;
    refused += next;
    if (tie || atLow < atHigh) ++low;
    if (tie || atHigh < atLow) --high;
  }
  return std::pair{shortest * journeys + static_cast<std::int64_t>(low),
                   shortest * journeys + static_cast<std::int64_t>(high)};
}

}  // namespace quirlweg
