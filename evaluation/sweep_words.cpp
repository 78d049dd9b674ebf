#include "evaluation/sweep_words.h"

#include <QCoreApplication>

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
  const QString quantity = QuantityName(table.quantity);
  const SweepCsvWords words{SweepTableTexts::tr("Dimension").toStdString(),
                            ParameterName(table.choice).toStdString(),
                            SweepTableTexts::tr("Reisen").toStdString(),
                            SweepTableTexts::tr("%1 gemessen").arg(quantity).toStdString(),
                            SweepTableTexts::tr("95-%-Bereich von").toStdString(),
                            SweepTableTexts::tr("95-%-Bereich bis").toStdString(),
                            SweepTableTexts::tr("%1 exakt").arg(quantity).toStdString()};
  return QByteArray::fromStdString(
      quirlweg::SweepCsv(table, words, QString(decimalSeparator).toStdString()));
}

}  // namespace quirlweg
