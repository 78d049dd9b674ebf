#include "evaluation/sweep_words.h"

#include <QCoreApplication>

#include "export/csv_writer.h"

namespace quirlweg {
namespace {

// The translation context of the table's texts.
struct SweepTableTexts {
  Q_DECLARE_TR_FUNCTIONS(SweepTable)
};

}  // namespace

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
  CsvWriter csv(decimalSeparator);
  const bool dimensions = table.choice == SweepChoice::kDimensions;
  QStringList header;
  if (dimensions) header << SweepTableTexts::tr("Dimension");
  header << ParameterName(table.choice) << SweepTableTexts::tr("Reisen")
         << SweepTableTexts::tr("%1 gemessen").arg(QuantityName(table.quantity))
         << SweepTableTexts::tr("95-%-Bereich von") << SweepTableTexts::tr("95-%-Bereich bis")
         << SweepTableTexts::tr("%1 exakt").arg(QuantityName(table.quantity));
  csv.Row(header);
  for (const SweepRow& r : table.rows) {
    QStringList fields;
    if (dimensions) fields << QString::number(r.curve);
    fields << csv.Number(r.parameter) << QString::number(r.journeys) << csv.Number(r.measured)
           << csv.Number(r.low) << csv.Number(r.high) << csv.Number(r.exact);
    csv.Row(fields);
  }
  return csv.Bytes();
}

}  // namespace quirlweg
