#pragma once

#include <optional>
#include <vector>

#include "walk_chain.h"

namespace quirlweg::theory::detail {

// The 1-D walk along its row: a tridiagonal system, solved directly.
std::optional<std::vector<ValuesAhead>> LineValuesAt(const Setting& s,
                                                     const std::vector<Point>& points,
                                                     const Cancellation& cancel);

}  // namespace quirlweg::theory::detail
