#include "sweep/sweep_table.h"

#include <algorithm>
#include <cmath>

#include "series/csv_table.h"
#include "series/series_summary.h"

namespace quirlweg {
namespace {

double ParameterOf(const theory::Setting& s, SweepChoice choice) {
  switch (choice) {
    case SweepChoice::kProbability:
      return s.rightProbability;
    case SweepChoice::kStart:
      return s.startX;
    case SweepChoice::kRadius:
    case SweepChoice::kDimensions:
      break;
  }
  return s.radius;
}

}  // namespace

std::vector<theory::Setting> SweepChoicePoints(const theory::Setting& current, SweepChoice choice) {
  switch (choice) {
    case SweepChoice::kRadius:
      return SweepPoints(current, SweepAxis::kRadius);
    case SweepChoice::kProbability: {
      theory::Setting line = current;
      line.dimension = 1;
      line.startY = 0;
      return SweepPoints(line, SweepAxis::kProbability);
    }
    case SweepChoice::kStart:
      return SweepPoints(current, SweepAxis::kStart);
    case SweepChoice::kDimensions:
      break;
  }
  std::vector<theory::Setting> points;
  for (int d = 1; d <= 3; ++d) {
    theory::Setting s = current;
    s.dimension = d;
    s.rightProbability = 0.5;
    s.startX = s.startY = 0;
    s.homeAbsorbs = true;
    for (const theory::Setting& p : SweepPoints(s, SweepAxis::kRadius)) points.push_back(p);
  }
  return points;
}

SweepTable TableOf(SweepChoice choice, SweepQuantity quantity,
                   const std::vector<theory::Setting>& points,
                   const std::vector<MeasuredPoint>& measured,
                   const std::vector<theory::JourneyStatistics>& exact) {
  SweepTable table{choice, quantity, {}};
  for (std::size_t i = 0; i < points.size() && i < measured.size() && i < exact.size(); ++i) {
    const MeasuredPoint& m = measured[i];
    SweepRow row;
    row.parameter = ParameterOf(points[i], choice);
    row.curve = choice == SweepChoice::kDimensions ? points[i].dimension : 0;
    row.journeys = m.journeys;
    if (m.journeys == 0) continue;
    const auto n = static_cast<double>(m.journeys);
    if (quantity == SweepQuantity::kHome) {
      row.measured = static_cast<double>(m.homeEnds) / n;
      const auto range = WilsonInterval(static_cast<int>(m.homeEnds), static_cast<int>(m.journeys));
      row.low = range->first;
      row.high = range->second;
      row.exact = exact[i].home;
    } else {
      row.measured = static_cast<double>(m.steps) / n;
      const double half = 1.96 * exact[i].sdLength / std::sqrt(n);
      row.low = row.measured - half;
      row.high = row.measured + half;
      row.exact = exact[i].meanLength;
    }
    table.rows.push_back(row);
  }
  return table;
}

std::string SweepCsv(const SweepTable& table, const SweepCsvWords& words,
                     const std::string& decimalSeparator) {
  CsvTable csv(decimalSeparator);
  const bool dimensions = table.choice == SweepChoice::kDimensions;
  std::vector<std::string> header;
  if (dimensions) header.push_back(words.dimension);
  header.insert(header.end(), {words.parameter, words.journeys, words.measured, words.low,
                               words.high, words.exact});
  csv.Row(header);
  for (const SweepRow& r : table.rows) {
    std::vector<std::string> fields;
    if (dimensions) fields.push_back(std::to_string(r.curve));
    fields.insert(fields.end(),
                  {csv.Number(r.parameter), std::to_string(r.journeys), csv.Number(r.measured),
                   csv.Number(r.low), csv.Number(r.high), csv.Number(r.exact)});
    csv.Row(fields);
  }
  return csv.Bytes();
}

double SweepChartValue(const SweepTable& table, double value) {
  return table.quantity == SweepQuantity::kHome ? value * 100 : value;
}

ChartAxes SweepChartAxes(const SweepTable& table) {
  ChartAxes axes;
  if (table.rows.empty()) return axes;
  double first = table.rows.front().parameter;
  double last = first;
  double highest = 0;
  for (const SweepRow& r : table.rows) {
    first = std::min(first, r.parameter);
    last = std::max(last, r.parameter);
    highest = std::max({highest, SweepChartValue(table, r.high), SweepChartValue(table, r.exact)});
  }
  if (last <= first) last = first + 1;
  axes.x = {first, last, TickStep(last - first)};
  if (table.quantity == SweepQuantity::kHome) {
    axes.y = {0, 100, 20};
  } else {
    const double step = TickStep(highest * 1.05);
    axes.y = {0, std::max(step, std::ceil(highest * 1.05 / step) * step), step};
  }
  return axes;
}

}  // namespace quirlweg
