#include "journey_statistics.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>
#include <utility>

#include "length_distribution.h"
#include "start_values.h"
#include "walk_chain.h"

namespace quirlweg::theory {

using namespace detail;

std::optional<JourneyStatistics> ComputeJourneyStatistics(const Setting& s,
                                                          const Cancellation& cancel,
                                                          double coverage) {
  if (!(coverage > 0 && coverage < 1)) throw std::invalid_argument("no coverage of this size");
  auto j = ComputeEndingsAndMoments(s, cancel);
  if (!j) return std::nullopt;
  auto distribution = ComputeLengthDistribution(s, cancel, coverage);
  if (!distribution || cancel.Requested()) return std::nullopt;
  j->lengthDistribution = *std::move(distribution);
  return j;
}

std::optional<JourneyStatistics> ComputeEndingsAndMoments(const Setting& s,
                                                          const Cancellation& cancel) {
  RequireWalkable(s);
  const auto values = ValuesFromStart(s, cancel);
  if (!values || cancel.Requested()) return std::nullopt;

  JourneyStatistics j;
  j.home = values->endings[kHome];
  j.top = values->endings[kTop];
  j.right = values->endings[kRight];
  j.bottom = values->endings[kBottom];
  j.left = values->endings[kLeft];
  j.zFace = values->endings[kZFace];
  j.meanLength = values->meanSteps;
  // Rounding can leave a tiny negative variance for a walk with a fixed length.
  j.sdLength = std::sqrt(std::max(0.0, values->secondMoment - j.meanLength * j.meanLength));
  return j;
}

}  // namespace quirlweg::theory
