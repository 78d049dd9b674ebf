#pragma once

#include <optional>
#include <vector>

#include "journey_statistics.h"

namespace quirlweg::theory::detail {

// P(L = n) for n = 0 (always 0) up to the first n where the covered mass reaches the
// `coverage`, by whichever method is quicker for the setting. Empty when cancelled.
std::optional<std::vector<double>> ComputeLengthDistribution(const Setting& s,
                                                             const Cancellation& cancel,
                                                             double coverage);

// The same by moving the walker's probability mass step by step: any dimension, with work
// growing with the lattice's cells times the steps.
std::optional<std::vector<double>> SteppedLengthDistribution(const Setting& s,
                                                             const Cancellation& cancel,
                                                             double coverage);

}  // namespace quirlweg::theory::detail
