#include "walk.h"

namespace quirlweg {

template class BasicWalk<LatticeDisplay, StatisticsDisplay, RunObserver, WalkSettingsSource,
                         UniformSource>;

namespace {

// Whole numbers of this size and their products with 10000 are exact in 64 bits.
constexpr double kExactCountLimit = 1e12;

bool IsExactCount(double value) {
  return value >= 0 && value <= kExactCountLimit && value == std::floor(value);
}

// A number of hundredths as the double nearest to it: one rounding, no more.
double FromHundredths(std::int64_t hundredths) {
  return static_cast<double>(hundredths) / 100;
}

}  // namespace

double MeanLength(std::int64_t lengthSum, int journeys) {
  const std::int64_t whole = lengthSum / journeys;
  const std::int64_t rest = lengthSum % journeys;
  return FromHundredths(whole * 100 + rest * 100 / journeys);
}

double ShareOf(double count, double other) {
  const long double total = static_cast<long double>(count) + other;
  if (total == 0) return 0.0;
  if (IsExactCount(count) && IsExactCount(other)) {
    const auto c = static_cast<std::int64_t>(count);
    const auto t = c + static_cast<std::int64_t>(other);
    return FromHundredths(c * 10000 / t);
  }
  // Long double keeps count * 10000 finite for any count a text box can hold.
  const long double share = std::floor(static_cast<long double>(count) * 10000 / total) / 100;
  if (!(std::fabs(share) <= std::numeric_limits<double>::max())) return 0.0;
  return static_cast<double>(share);
}

}  // namespace quirlweg
