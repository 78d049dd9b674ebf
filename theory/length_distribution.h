#pragma once

#include <optional>
#include <vector>

#include "journey_statistics.h"

namespace quirlweg::theory::detail {

struct LengthDistribution {
  std::vector<double> probabilities;  // [n] = P(L = n), [0] = 0
  DistributionStatus status = DistributionStatus::kTooCostly;
};

// P(L = n) by moving the walker's probability mass step by step until the setting's coverage is
// reached. The mass decays no slower than the box's slowest mode, cos(pi / 2R) per step, which
// bounds the work in advance: a lattice where it would take too long is refused, not started.
std::optional<LengthDistribution> ComputeLengthDistribution(const Setting& s,
                                                            const Cancellation& cancel);

}  // namespace quirlweg::theory::detail
