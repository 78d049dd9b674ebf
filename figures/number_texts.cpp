#include "figures/number_texts.h"

#include "series/value_forms.h"

namespace quirlweg {
namespace {

std::string DecimalSeparator() {
  return DisplayLocale().decimalPoint().toStdString();
}

}  // namespace

QLocale DisplayLocale() {
  QLocale locale = QLocale::system();
  locale.setNumberOptions(QLocale::OmitGroupSeparator);
  return locale;
}

QChar DisplayDecimalPoint() {
  const QString point = DisplayLocale().decimalPoint();
  return point.isEmpty() ? QChar('.') : point.front();
}

QString PercentText(double share) {
  return QString::fromStdString(PercentForm(share, DecimalSeparator()));
}

QString LengthText(double length) {
  return QString::fromStdString(LengthForm(length, DecimalSeparator()));
}

QString RowValueText(SeriesRow row, double value) {
  return QString::fromStdString(RowValueForm(row, value, DecimalSeparator()));
}

QString ExactText(const theory::JourneyStatistics& exact, SeriesRow row, int dimension) {
  const auto value = ExactValue(exact, row, dimension);
  return value ? RowValueText(row, *value) : QStringLiteral("\u2013");
}

}  // namespace quirlweg
