#pragma once

#include <optional>
#include <vector>

#include "journey_statistics.h"

namespace quirlweg::theory::detail {

// P(L = n) of the 2-D or 3-D walk without stepping its mass through the lattice. Each step
// picks an axis uniformly, so the walk is independent walks on a row, each moved by a binomial
// share of the steps: the plane (x and y, half each) mixed from two rows, the box from the
// plane (two thirds) and z (a third). Home comes in by renewal at the origin. For n up to
// about R^2 log(1/(1 - coverage)) steps the work grows with n times the binomial window of
// about 20 sqrt(n), plus n^2 / 4 for each product of series with home, where stepping the mass
// costs n times the lattice's cells. Empty when cancelled.
std::optional<std::vector<double>> BoxLengthDistribution(const Setting& s,
                                                         const Cancellation& cancel,
                                                         double coverage);

}  // namespace quirlweg::theory::detail
