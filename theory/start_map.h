#pragma once

// Exact statistics of a journey from every start point at once, for a picture of how the
// start matters. Qt-free; a cancellation makes it give up early.

#include <optional>
#include <vector>

#include "cancellation.h"
#include "journey_statistics.h"

namespace quirlweg::theory {

// For every start point of the plane z = 0 (a journey starts with z = 0): the chance that the
// journey ends at `target` and its mean length, as ComputeJourneyStatistics would give them for
// that start. On a line the points are those of row y = 0; a start moved off that row never
// meets home, and its values are those of row 0 with home off, whatever the setting says.
struct StartMap {
  int radius = 0;
  int dimension = 0;
  JourneyEnding target = JourneyEnding::kHome;
  // [(y + R - 1) * (2R - 1) + x + R - 1], y as stored (growing downward); on a line only y = 0,
  // at [x + R - 1].
  std::vector<double> chance;
  std::vector<double> meanLength;

  int rows() const { return dimension == 1 ? 1 : 2 * radius - 1; }
  std::size_t IndexOf(int x, int y) const {
    const int row = dimension == 1 ? 0 : y + radius - 1;
    return static_cast<std::size_t>(row * (2 * radius - 1) + x + radius - 1);
  }
};

// The setting's start point is not used. Nothing when cancelled; throws std::invalid_argument
// for a setting the walk cannot have.
std::optional<StartMap> ComputeStartMap(const Setting& setting, JourneyEnding target,
                                        const Cancellation& cancel = {});

}  // namespace quirlweg::theory
