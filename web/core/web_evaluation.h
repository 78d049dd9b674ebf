#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "series/chart_figures.h"
#include "series/journey_series.h"
#include "series/series_summary.h"
#include "theory/journey_statistics.h"

namespace quirlweg::web {

// One row of the evaluation table as numbers; the page words them in its language.
struct TableRow {
  std::optional<int> count;        // journeys that ended there; none for the mean length
  std::optional<double> measured;  // none before the first journey
  std::optional<double> low;
  std::optional<double> high;
  std::optional<double> exact;  // none before the exact values are known, or for no such row
  bool outside = false;         // the exact value lies outside the measured range
  bool shown = true;            // the current setting's walk can end there
};

struct EvaluationFigures {
  int journeys = 0;
  bool mixesSettings = false;
  bool exactHidden = false;  // for the class's guess: a question mark where they would be
  std::optional<ClassGuess> guess;
  std::array<TableRow, kSeriesRowCount> rows{};
  SeriesRow followed = SeriesRow::Home;
  std::vector<CurvePoint> convergence;
  ChartAxes convergenceAxes;
  LengthClasses lengths;
  ChartAxes lengthAxes;
};

// What the evaluation shows of `journeys` under `current`: `exact` are the exact values of
// `current` where known. The convergence follows home where it absorbs, else `side`, over a
// logarithmic journey axis where asked.
EvaluationFigures Evaluate(const JourneySeries& journeys, const theory::Setting& current,
                           const std::optional<theory::JourneyStatistics>& exact, SeriesRow side,
                           bool logarithmic = false);

}  // namespace quirlweg::web
