#pragma once

#include <array>
#include <cstdint>
#include <optional>

#include "engine/settings.h"

namespace quirlweg {

// Edge visit counts: both indices run over coordinate + gridRadius.
inline constexpr int kEdgeIndexCount = 2 * kLargestRadius + 1;
using EdgeVisits = std::array<std::array<std::int16_t, kEdgeIndexCount>, kEdgeIndexCount>;

constexpr EdgeVisits FreshEdgeVisits() {
  EdgeVisits visits{};
  for (auto& column : visits) column.fill(1);
  return visits;
}

// Everything the walk remembers between two user actions. Lattice y grows downward on
// screen; every displayed position shows x, -y and z.
struct WalkState {
  int gridRadius = 5;
  int homeX = 0;
  int homeY = 0;
  int posX = 0;
  int posY = 0;
  int posZ = 0;
  int prevX = 0;
  int prevY = 0;
  int prevZ = 0;
  int edgeX = 0;           // smaller x of the edge just walked
  std::int16_t edgeY = 0;  // smaller y of the edge just walked
  std::int16_t traceWidth = 1;
  EdgeVisits hEdgeVisits = FreshEdgeVisits();  // horizontal edges (y unchanged)
  EdgeVisits vEdgeVisits = FreshEdgeVisits();  // vertical edges (x unchanged)
  float randU = 0.0F;
  bool journeyOver = false;
  int journeyIndex = 0;
  bool batchMode = false;  // twenty journeys in a row: the walker picture is not moved
  std::int64_t stepCount = 0;
  std::int64_t lengthSum = 0;
  std::int16_t journeyCount = 0;
  double hitsTop = 0.0;
  // Unset until first counted or reset: they print nothing and count as 0.
  std::optional<std::int32_t> hitsRight;
  std::optional<std::int32_t> hitsBottom;
  std::optional<std::int32_t> hitsLeft;
  double walkerSize = 0.6;
};

}  // namespace quirlweg
