#include "start_values.h"

#include <cstdlib>
#include <stdexcept>

#include "box_spectrum.h"
#include "line_solver.h"

namespace quirlweg::theory::detail {

void RequireWalkable(const Setting& s) {
  const int inside = s.radius - 1;
  const bool ok = s.dimension >= 1 && s.dimension <= 3 && s.radius >= kSmallestRadius &&
                  s.radius <= kLargestRadius && s.rightProbability >= 0 &&
                  s.rightProbability <= 1 && std::abs(s.startX) <= inside &&
                  std::abs(s.startY) <= inside;
  if (!ok) throw std::invalid_argument("no walk has this setting");
}

// The journey's first step, taken by hand: a start on an absorbing origin must leave it first,
// and every other start is covered by the same sum over its neighbours.
std::optional<ValuesAhead> ValuesFromStart(const Setting& s, const Cancellation& cancel) {
  const Point start = StartOf(s);
  const auto moves = MovesOf(s);
  std::vector<Point> inner;
  for (const Move& m : moves) {
    const Point next = Neighbour(start, m.delta);
    if (EndingAfterStepOnto(s, next) == kGoesOn) inner.push_back(next);
  }
  const auto ahead =
      s.dimension == 1 ? LineValuesAt(s, inner, cancel) : BoxValuesAt(s, inner, cancel);
  if (!ahead) return std::nullopt;

  ValuesAhead total;
  std::size_t next = 0;
  for (const Move& m : moves) {
    const double q = m.probability;
    const int ending = EndingAfterStepOnto(s, Neighbour(start, m.delta));
    if (ending != kGoesOn) {
      total.endings[ending] += q;
      total.meanSteps += q;
      total.secondMoment += q;
      continue;
    }
    const ValuesAhead& later = (*ahead)[next++];
    for (int e = 0; e < kEndingCount; ++e) total.endings[e] += q * later.endings[e];
    // L = 1 + L' for the steps L' still to come.
    total.meanSteps += q * (1 + later.meanSteps);
    total.secondMoment += q * (1 + 2 * later.meanSteps + later.secondMoment);
  }
  return total;
}

}  // namespace quirlweg::theory::detail
