#pragma once

// Exact statistics of one journey of the lattice walk: how it ends and how long it is. Qt-free
// and safe to call from a worker thread; a cancellation makes it give up early.

#include <optional>
#include <vector>

#include "cancellation.h"
#include "engine/settings.h"

namespace quirlweg::theory {

// The walk's own setting: every field that decides how a journey goes.
using Setting = JourneySetting;

// How much of the mass a length distribution covers before it stops, unless asked otherwise:
// enough that the total length of a short series can be tested against it (the mass left out
// of twenty journeys stays below a millionth).
inline constexpr double kDistributionCoverage = 1 - 1e-9;

// How a journey ends: on the origin with home absorbing, or on a part of the boundary.
enum class JourneyEnding { kHome, kTop, kRight, kBottom, kLeft, kZFace };

struct JourneyStatistics {
  double home = 0;    // P(the journey ends on the origin)
  double top = 0;     // y = -R
  double right = 0;   // x = +R
  double bottom = 0;  // y = +R
  double left = 0;    // x = -R
  double zFace = 0;   // |z| = R, 3-D only
  double meanLength = 0;
  double sdLength = 0;
  // lengthDistribution[n] = P(L = n), [0] = 0, up to the first n where the covered mass reaches
  // `coverage`. Empty only from ComputeEndingsAndMoments.
  std::vector<double> lengthDistribution;
};

// Nothing when `cancel` was requested before the computation finished. Throws
// std::invalid_argument for a setting the walk cannot have.
std::optional<JourneyStatistics> ComputeJourneyStatistics(const Setting& setting,
                                                          const Cancellation& cancel = {},
                                                          double coverage = kDistributionCoverage);

// The same with the length distribution left empty: the endings, mean and deviation alone,
// for curves over many settings (3-D R = 50 in about 10 ms instead of 0.2 s).
std::optional<JourneyStatistics> ComputeEndingsAndMoments(const Setting& setting,
                                                          const Cancellation& cancel = {});

}  // namespace quirlweg::theory
