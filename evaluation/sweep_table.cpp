#include "evaluation/sweep_table.h"

#include <QCoreApplication>
#include <cmath>

#include "series/csv_table.h"
#include "series/series_summary.h"

namespace quirlweg {
namespace {

// The translation context of the table's texts.
struct SweepTableTexts {
  Q_DECLARE_TR_FUNCTIONS(SweepTable)
};

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

QString ParameterName(SweepChoice choice) {
  switch (choice) {
    case SweepChoice::kProbability:
      return SweepTableTexts::tr("Wahrscheinlichkeit nach rechts");
    case SweepChoice::kStart:
      return SweepTableTexts::tr("Start x");
    case SweepChoice::kRadius:
    case SweepChoice::kDimensions:
      break;
  }
  return SweepTableTexts::tr("Gittergröße R");
}

QString QuantityName(SweepQuantity quantity) {
  return quantity == SweepQuantity::kHome ? SweepTableTexts::tr("Anteil zu Hause")
                                          : SweepTableTexts::tr("mittlere Weglänge");
}

QByteArray SweepCsv(const SweepTable& table, QChar decimalSeparator) {
  CsvTable csv(QString(decimalSeparator).toStdString());
  const bool dimensions = table.choice == SweepChoice::kDimensions;
  QStringList header;
  if (dimensions) header << SweepTableTexts::tr("Dimension");
  header << ParameterName(table.choice) << SweepTableTexts::tr("Reisen")
         << SweepTableTexts::tr("%1 gemessen").arg(QuantityName(table.quantity))
         << SweepTableTexts::tr("95-%-Bereich von") << SweepTableTexts::tr("95-%-Bereich bis")
         << SweepTableTexts::tr("%1 exakt").arg(QuantityName(table.quantity));
  std::vector<std::string> names;
  for (const QString& name : header) names.push_back(name.toStdString());
  csv.Row(names);
  for (const SweepRow& r : table.rows) {
    std::vector<std::string> fields;
    if (dimensions) fields.push_back(std::to_string(r.curve));
    fields.insert(fields.end(),
                  {csv.Number(r.parameter), std::to_string(r.journeys), csv.Number(r.measured),
                   csv.Number(r.low), csv.Number(r.high), csv.Number(r.exact)});
    csv.Row(fields);
  }
  return QByteArray::fromStdString(csv.Bytes());
}

}  // namespace quirlweg
