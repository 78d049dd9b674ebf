#include "walk.h"

namespace quirlweg {

template class BasicWalk<LatticeDisplay, StatisticsDisplay, RunObserver, WalkSettingsSource,
                         UniformSource>;

double ShareOf(double count, double other) {
  const long double total = static_cast<long double>(count) + other;
  if (total == 0) return 0.0;
  // Long double keeps count * 10000 finite for any count a text box can hold.
  const long double share = std::floor(static_cast<long double>(count) * 10000 / total) / 100;
  if (!(std::fabs(share) <= std::numeric_limits<double>::max())) return 0.0;
  return static_cast<double>(share);
}

}  // namespace quirlweg
