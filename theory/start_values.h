#pragma once

#include <optional>

#include "walk_chain.h"

namespace quirlweg::theory::detail {

// Throws std::invalid_argument for a setting the walk cannot have.
void RequireWalkable(const Setting& s);

// How a journey from the setting's start ends and the first two moments of its length.
std::optional<ValuesAhead> ValuesFromStart(const Setting& s, const Cancellation& cancel);

}  // namespace quirlweg::theory::detail
