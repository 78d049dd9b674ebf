#pragma once

#include <QLocale>
#include <QString>

#include "series/series_summary.h"
#include "theory/journey_statistics.h"

namespace quirlweg {

// The system's number forms without group separators, as the main window's boxes show them.
QLocale DisplayLocale();
// Its decimal separator, '.' where it has none of one character.
QChar DisplayDecimalPoint();

// A share as per cent with two decimals: "52,37 %".
QString PercentText(double share);
// A length with two decimals: "2946,62".
QString LengthText(double length);
// A row's value in its own form: per cent for shares, steps for the mean length.
QString RowValueText(SeriesRow row, double value);
// The exact value of a row, or "–" where the row has none.
QString ExactText(const theory::JourneyStatistics& exact, SeriesRow row, int dimension);

}  // namespace quirlweg
