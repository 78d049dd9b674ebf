#pragma once

#include <optional>
#include <utility>

namespace quirlweg {

// The exact two-sided binomial test: `count` hits in `total` tries are too far from a share `p`
// when every outcome at most as likely as `count` under p has, together, a chance of at most
// `alpha`. A correct p is refused in at most a share `alpha` of series, however short; where
// the normal approximation holds, in close to that share.
bool BinomialTestRefuses(int count, int total, double p, double alpha = 0.05);

// The shares the test does not refuse for `count` hits in `total` tries, from the lowest to the
// highest: the measurement's exact 95 % range. None for no tries.
std::optional<std::pair<double, double>> ExactShareRange(int count, int total);

}  // namespace quirlweg
