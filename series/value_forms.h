#pragma once

#include <string>
#include <string_view>

#include "series/series_summary.h"

namespace quirlweg {

// The evaluation's numbers as text, with two decimals and the locale's decimal separator and
// no group separators, as the main window's boxes show them.

// A share as per cent: "52,37 %".
std::string PercentForm(double share, std::string_view decimalSeparator);
// A length in steps: "2946,62".
std::string LengthForm(double length, std::string_view decimalSeparator);
// A row's value in its own form: per cent for shares, steps for the mean length.
std::string RowValueForm(SeriesRow row, double value, std::string_view decimalSeparator);

}  // namespace quirlweg
