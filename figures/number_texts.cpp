#include "figures/number_texts.h"

namespace quirlweg {

QLocale DisplayLocale() {
  QLocale locale = QLocale::system();
  locale.setNumberOptions(QLocale::OmitGroupSeparator);
  return locale;
}

QString PercentText(double share) {
  return DisplayLocale().toString(share * 100, 'f', 2) + QStringLiteral(" %");
}

QString LengthText(double length) {
  return DisplayLocale().toString(length, 'f', 2);
}

QString RowValueText(SeriesRow row, double value) {
  return row == SeriesRow::MeanLength ? LengthText(value) : PercentText(value);
}

QString ExactText(const theory::JourneyStatistics& exact, SeriesRow row, int dimension) {
  const auto value = ExactValue(exact, row, dimension);
  return value ? RowValueText(row, *value) : QStringLiteral("\u2013");
}

}  // namespace quirlweg
