#include "web_evaluation.h"

#include <algorithm>
#include <cmath>

#include "engine/walk.h"

namespace quirlweg::web {
namespace {

// As the main window's boxes show it: cut to two decimals by the window's own rule.
double MeasuredValue(SeriesRow row, const RowEstimate& estimate, const JourneySeries& journeys) {
  const auto n = static_cast<int>(journeys.size());
  if (IsShare(row)) return ShareOf(*estimate.count, n - *estimate.count) / 100;
  return MeanLength(journeys.LengthSum(), n);
}

}  // namespace

EvaluationFigures Evaluate(const JourneySeries& journeys, const theory::Setting& current,
                           const std::optional<theory::JourneyStatistics>& exact, SeriesRow side,
                           bool logarithmic) {
  EvaluationFigures figures;
  const SeriesSummary summary = Summarize(journeys, current, exact ? &*exact : nullptr);
  figures.journeys = summary.journeys;
  figures.mixesSettings = summary.mixesSettings;
  for (int r = 0; r < kSeriesRowCount; ++r) {
    const auto row = static_cast<SeriesRow>(r);
    const RowEstimate& estimate = summary[row];
    TableRow& shown = figures.rows[static_cast<std::size_t>(r)];
    shown.count = estimate.count;
    if (summary.journeys > 0) shown.measured = MeasuredValue(row, estimate, journeys);
    shown.low = estimate.low;
    shown.high = estimate.high;
    if (exact) shown.exact = ExactValue(*exact, row, current.dimension);
    shown.outside = shown.exact && OutsideRange(summary, row, *shown.exact);
    shown.shown = RowShown(row, current.dimension);
  }
  figures.followed = FollowedRow(current, side);
  const auto exactShare = figures.rows[static_cast<std::size_t>(figures.followed)].exact;
  figures.convergence = ConvergenceCurve(journeys, figures.followed, exactShare, logarithmic);
  figures.convergenceAxes = ConvergenceAxes(journeys.size(), logarithmic);
  figures.lengths = ClassifyLengths(journeys, exact);
  figures.lengthAxes = LengthAxes(figures.lengths);
  return figures;
}

}  // namespace quirlweg::web
