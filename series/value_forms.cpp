#include "series/value_forms.h"

#include <cmath>
#include <cstdio>

namespace quirlweg {
namespace {

// printf rounds correctly but writes the C locale's decimal point: only its digits are read.
std::string TwoDecimals(double value, std::string_view separator) {
  if (!std::isfinite(value)) return std::isnan(value) ? "nan" : value > 0 ? "inf" : "-inf";
  const int size = std::snprintf(nullptr, 0, "%.2f", value);
  std::string printed(static_cast<std::size_t>(size), '\0');
  std::snprintf(printed.data(), printed.size() + 1, "%.2f", value);
  std::string digits;
  for (const char c : printed) {
    if (c >= '0' && c <= '9') digits += c;
  }
  std::string text = printed.front() == '-' ? "-" : "";
  text.append(digits, 0, digits.size() - 2);
  text.append(separator);
  text.append(digits, digits.size() - 2);
  return text;
}

}  // namespace

std::string PercentForm(double share, std::string_view decimalSeparator) {
  return TwoDecimals(share * 100, decimalSeparator) + " %";
}

std::string LengthForm(double length, std::string_view decimalSeparator) {
  return TwoDecimals(length, decimalSeparator);
}

std::string RowValueForm(SeriesRow row, double value, std::string_view decimalSeparator) {
  return IsShare(row) ? PercentForm(value, decimalSeparator) : LengthForm(value, decimalSeparator);
}

}  // namespace quirlweg
