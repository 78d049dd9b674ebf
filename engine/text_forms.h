#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace quirlweg {

// The classic text forms of numbers shown by the program.

// Sign place (" " or "-") then the digits: " 12", "-4", " .5", "-.25". Whole values have no
// point; other values use "." and no leading zero before it. Always finite text.
std::string StrForm(double value);

// StrForm followed by one space: " 3 ", "-3 ", " 0 ". An unset value prints nothing.
std::string PrintForm(double value);
std::string PrintForm(std::optional<double> value);

// Plain digits with the given decimal separator, no sign place: "50", "33,33", "0,5".
std::string LocaleForm(double value, char decimalSeparator);

// Reads the number at the start of a text: blanks anywhere are skipped, then an optional
// sign, digits, an optional "." and digits. No digits read as 0; the result is always finite.
double ValueOf(std::string_view text);

// "(" x "," y "," z ")" with each number in PrintForm: "( 3 , 2 , 0 )".
std::string CoordinateText(int x, int shownY, int z);

namespace detail {

// The forms built from snprintf and strtod alone, for a standard library without
// floating-point std::to_chars and std::from_chars (the browser edition's). Both ignore the C
// locale's decimal point. Where the standard library has those functions, the program uses
// them and a test holds these to the same bytes.

// |value| in fixed notation, the shortest text that reads back exactly: "0.5", "12.25".
std::string ShortestFixed(double magnitude);

// The value of "digits", "digits.digits" or ".digits", correctly rounded; too many digits
// before the point give infinity.
double DecimalValue(std::string_view number);

}  // namespace detail

}  // namespace quirlweg
