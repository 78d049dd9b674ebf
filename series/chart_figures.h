#pragma once

// What the evaluation's charts show, as numbers: Qt-free, so that the browser edition draws
// the same figures as the desktop window.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
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

// An axis from `low` to `high`, ticked every `step`: 1, 2 or 5 times a power of ten. A
// logarithmic axis has no step; it ticks at the powers of ten.
struct ChartAxis {
  double low = 0;
  double high = 1;
  double step = 1;
  bool wholeNumbers = false;  // its numbers are counts, written out in full
};

// How an axis writes its numbers, as a printf format: counts in full, everything else with at
// most six significant digits.
const char* AxisLabelFormat(const ChartAxis& axis);

// A tick of an axis and its number, as the axis writes it.
struct AxisTick {
  double value = 0;
  std::string text;
};

// The axis's ticks from `low` to `high`: at the multiples of its step, or at the powers of ten
// on a logarithmic axis; numbers with `separator` as their decimal separator.
std::vector<AxisTick> AxisTicks(const ChartAxis& axis, std::string_view separator);

struct ChartAxes {
  ChartAxis x;
  ChartAxis y;
};

// The row the convergence follows: home where it absorbs, else `side`, or a side the walk can
// reach in the setting's dimension where it cannot reach `side`.
SeriesRow FollowedRow(const theory::Setting& setting, SeriesRow side);

// The share of `row` after evenly spread journeys, or evenly on a logarithmic axis: at most
// about 300 points, the last journey always; the band where `exact` is known.
std::vector<CurvePoint> ConvergenceCurve(const JourneySeries& journeys, SeriesRow row,
                                         std::optional<double> exact, bool logarithmic);

// A round step for about five ticks from 0 to `top`.
double TickStep(double top);

// The convergence chart's axes after `journeys` journeys: the journeys up to a round number
// past the last, at least 10 (logarithmic: from 1 to the last); the share from 0 to 100 %.
ChartAxes ConvergenceAxes(std::size_t journeys, bool logarithmic);

// The length chart's axes: the lengths as far as the classes reach, their share up to a round
// number above the highest class, measured or exact.
ChartAxes LengthAxes(const LengthClasses& classes);

// About 40 classes, reaching at least to where 99.5 % of the exact distribution lies (or to
// the exact mean + 2 SD where it was not computed).
LengthClasses ClassifyLengths(const JourneySeries& journeys,
                              const std::optional<theory::JourneyStatistics>& exact);

}  // namespace quirlweg
