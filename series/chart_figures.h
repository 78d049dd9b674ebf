#pragma once

// What the evaluation's charts show, as numbers: Qt-free, so that the browser edition draws
// the same figures as the desktop window.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

#include "series/journey_series.h"
#include "series/series_summary.h"
#include "theory/journey_statistics.h"

namespace quirlweg {

// The measured share of one row after some of the series' journeys, in per cent, with the band
// of 1.96 standard errors around the exact share for that many journeys.
struct CurvePoint {
  double journeys = 0;
  double share = 0;
  std::optional<double> low;
  std::optional<double> high;
};

// The journey lengths in classes of equal width, in per cent of the journeys, beside what the
// exact distribution gives each class.
struct LengthClasses {
  std::int64_t width = 1;
  std::vector<double> measured;
  std::vector<double> exact;  // empty where the distribution was not computed
};

// The row the convergence follows: home where it absorbs, else `side`, or a side the walk can
// reach in the setting's dimension where it cannot reach `side`.
SeriesRow FollowedRow(const theory::Setting& setting, SeriesRow side);

// The share of `row` after evenly spread journeys, or evenly on a logarithmic axis: at most
// about 300 points, the last journey always; the band where `exact` is known.
std::vector<CurvePoint> ConvergenceCurve(const JourneySeries& journeys, SeriesRow row,
                                         std::optional<double> exact, bool logarithmic);

// About 40 classes, reaching at least to where 99.5 % of the exact distribution lies (or to
// the exact mean + 2 SD where it was not computed).
LengthClasses ClassifyLengths(const JourneySeries& journeys,
                              const std::optional<theory::JourneyStatistics>& exact);

}  // namespace quirlweg
