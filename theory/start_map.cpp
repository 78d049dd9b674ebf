#include "start_map.h"

#include <utility>

#include "plane_green.h"
#include "start_values.h"
#include "walk_chain.h"

namespace quirlweg::theory {

namespace {

using namespace detail;

// Both list the endings in the same order.
Ending EndingOf(JourneyEnding e) {
  return static_cast<Ending>(static_cast<int>(e));
}

// A row is short: each start is solved by itself.
std::optional<StartMap> LineMap(const Setting& s, StartMap map, const Cancellation& cancel) {
  for (int x = 1 - s.radius; x < s.radius; ++x) {
    Setting from = s;
    from.startX = x;
    from.startY = 0;
    const auto v = ValuesFromStart(from, cancel);
    if (!v) return std::nullopt;
    map.chance.push_back(v->endings[EndingOf(map.target)]);
    map.meanLength.push_back(v->meanSteps);
  }
  return map;
}

std::optional<StartMap> PlaneMap(const Setting& s, StartMap map, const Cancellation& cancel) {
  const PlaneGreen green(s);
  const Table atZero = green.axes()[2].AtPoint(0);
  const std::size_t origin = green.IndexOf(0, 0);
  const auto cut = HomeCutOf(green, s, cancel);
  const auto mean = green.OnPlane(green.Ones(), atZero, cancel);
  if (!cut || !mean) return std::nullopt;
  map.meanLength = cut->Cut(*mean, origin);
  if (map.target == JourneyEnding::kHome) {
    map.chance = cut->towardsHome;
    return map;
  }
  const auto reached = green.OnPlane(green.OntoBoundary(EndingOf(map.target)), atZero, cancel);
  if (!reached) return std::nullopt;
  map.chance = cut->Cut(*reached, origin);
  return map;
}

}  // namespace

std::optional<StartMap> ComputeStartMap(const Setting& s, JourneyEnding target,
                                        const Cancellation& cancel) {
  RequireWalkable(s);
  StartMap map;
  map.radius = s.radius;
  map.dimension = s.dimension;
  map.target = target;
  auto result =
      s.dimension == 1 ? LineMap(s, std::move(map), cancel) : PlaneMap(s, std::move(map), cancel);
  if (!result || cancel.Requested()) return std::nullopt;
  return result;
}

}  // namespace quirlweg::theory
