#pragma once

#include <QByteArray>
#include <QChar>
#include <QString>
#include <optional>
#include <vector>

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

// The table as CSV (see CsvWriter), a row per point under a header row.
QByteArray SweepCsv(const SweepTable& table, QChar decimalSeparator);

// The name of the parameter and of the measured quantity, for axes and the CSV header.
QString ParameterName(SweepChoice choice);
QString QuantityName(SweepQuantity quantity);

}  // namespace quirlweg
