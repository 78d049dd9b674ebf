#pragma once

// A Versuchsreihe as the evaluation offers it: which points, and the table of measured beside
// exact values with the chart's axes. Qt-free, for the desktop window and the browser edition.

#include <cstdint>
#include <string>
#include <vector>

#include "series/chart_figures.h"
#include "sweep/sweep.h"
#include "theory/journey_statistics.h"

namespace quirlweg {

// What a Versuchsreihe changes from point to point, as the evaluation offers it.
enum class SweepChoice { kRadius, kProbability, kStart, kDimensions };
inline constexpr int kSweepChoiceCount = 4;

// What a Versuchsreihe measures at each point.
enum class SweepQuantity { kHome, kMeanLength };

// The points of a Versuchsreihe from the current setting. The chance of a step to the right
// changes only a walk on a line, so that sweep runs on the line, at the start's x. Pólya's
// question is whether the walker comes back to where it started: that sweep starts at the
// origin with home absorbing and p = 50 %, for R = 2 .. 50 in each of the three dimensions.
std::vector<theory::Setting> SweepChoicePoints(const theory::Setting& current, SweepChoice choice);

// A point's row in the table: the parameter's value, its curve (the dimension in Pólya's
// sweep, else 0), the journeys, the measured value with its 95 % range and the exact value.
struct SweepRow {
  double parameter = 0;
  int curve = 0;
  std::int64_t journeys = 0;
  double measured = 0;
  double low = 0;
  double high = 0;
  double exact = 0;
};

struct SweepTable {
  SweepChoice choice = SweepChoice::kRadius;
  SweepQuantity quantity = SweepQuantity::kHome;
  std::vector<SweepRow> rows;
};

// Shares get Wilson's range; the mean length gets measured +- 1.96 exact SD / sqrt(n).
SweepTable TableOf(SweepChoice choice, SweepQuantity quantity,
                   const std::vector<theory::Setting>& points,
                   const std::vector<MeasuredPoint>& measured,
                   const std::vector<theory::JourneyStatistics>& exact);

// The chart's axes: the parameter from its first to its last value; shares in per cent from 0 to
// 100, lengths from 0 to a round number past the highest range or exact value.
ChartAxes SweepChartAxes(const SweepTable& table);

// The words of the CSV's header row, in the reader's language.
struct SweepCsvWords {
  std::string dimension;  // the first column of Pólya's sweep, its curve
  std::string parameter;
  std::string journeys;
  std::string measured;
  std::string low;
  std::string high;
  std::string exact;
};

// The table as CSV (see CsvTable), a row per point under a header row; `decimalSeparator` the
// reader's, as UTF-8.
std::string SweepCsv(const SweepTable& table, const SweepCsvWords& words,
                     const std::string& decimalSeparator);

// What the chart's y axis shows of a value: shares as per cent, lengths in steps.
double SweepChartValue(const SweepTable& table, double value);

}  // namespace quirlweg
