#include "text_forms.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <limits>

namespace quirlweg {

namespace detail {

namespace {

// mantissa * 10^exponent, with at most 17 digits in the mantissa.
struct Decimal {
  std::uint64_t mantissa = 0;
  int exponent = 0;
};

// "Me-5" has no decimal point, so strtod reads it alike in every C locale.
double ValueOfDecimal(const Decimal& d) {
  std::array<char, 48> text{};
  std::snprintf(text.data(), text.size(), "%llue%d", static_cast<unsigned long long>(d.mantissa),
                d.exponent);
  return std::strtod(text.data(), nullptr);
}

// The magnitude correctly rounded to `digits` significant digits. Only the digits and the
// exponent of "%e" are read, whatever the locale puts between them.
Decimal Rounded(double magnitude, int digits) {
  std::array<char, 48> text{};
  std::snprintf(text.data(), text.size(), "%.*e", digits - 1, magnitude);
  Decimal d;
  const char* c = text.data();
  for (; *c != 'e'; ++c) {
    if (*c >= '0' && *c <= '9') d.mantissa = d.mantissa * 10 + static_cast<unsigned>(*c - '0');
  }
  d.exponent = static_cast<int>(std::strtol(c + 1, nullptr, 10)) - (digits - 1);
  return d;
}

// A decimal of `digits` significant digits that reads back as the magnitude, the nearest one
// if any does. Beside a power of two the values that read back lie lopsidedly around it, so
// where the nearest decimal misses, its neighbour on the other side may still hit.
std::optional<Decimal> ReadingBack(double magnitude, int digits) {
  const Decimal nearest = Rounded(magnitude, digits);
  if (ValueOfDecimal(nearest) == magnitude) return nearest;
  for (const std::uint64_t neighbour : {nearest.mantissa + 1, nearest.mantissa - 1}) {
    const Decimal d{neighbour, nearest.exponent};
    if (ValueOfDecimal(d) == magnitude) return d;
  }
  return std::nullopt;
}

// Fewest digits that read back: if some count does, every larger one does too, so a binary
// search over 1..17 needs five tries; 17 digits always suffice.
Decimal ShortestDecimal(double magnitude) {
  Decimal best = *ReadingBack(magnitude, 17);
  int low = 1;
  int high = 17;
  while (low < high) {
    const int middle = (low + high) / 2;
    if (const auto d = ReadingBack(magnitude, middle)) {
      best = *d;
      high = middle;
    } else {
      low = middle + 1;
    }
  }
  return best;
}

std::string FixedText(Decimal d) {
  while (d.mantissa % 10 == 0) {
    d.mantissa /= 10;
    ++d.exponent;
  }
  std::string digits = std::to_string(d.mantissa);
  if (d.exponent >= 0) return digits + std::string(static_cast<std::size_t>(d.exponent), '0');
  const auto fraction = static_cast<std::size_t>(-d.exponent);
  if (digits.size() <= fraction) digits.insert(0, fraction + 1 - digits.size(), '0');
  digits.insert(digits.size() - fraction, 1, '.');
  return digits;
}

}  // namespace

std::string ShortestFixed(double magnitude) {
  if (magnitude == 0) return "0";
  // Whole values past 2^53 are written out exactly, every digit of the double.
  if (magnitude >= 0x1p53) {
    std::array<char, 400> text{};
    std::snprintf(text.data(), text.size(), "%.0f", magnitude);
    return text.data();
  }
  return FixedText(ShortestDecimal(magnitude));
}

double DecimalValue(std::string_view number) {
  std::string digits;
  int exponent = 0;
  bool afterPoint = false;
  for (const char c : number) {
    if (c == '.') {
      afterPoint = true;
    } else {
      digits += c;
      if (afterPoint) --exponent;
    }
  }
  digits += 'e' + std::to_string(exponent);
  return std::strtod(digits.c_str(), nullptr);
}

}  // namespace detail

namespace {

#if defined(__cpp_lib_to_chars)
std::string FixedForm(double magnitude) {
  std::array<char, 400> buffer;  // the longest fixed form of a double has about 330 chars
  const auto end = std::to_chars(buffer.data(), buffer.data() + buffer.size(), magnitude,
                                 std::chars_format::fixed);
  return std::string(buffer.data(), end.ptr);
}

// Infinity where the digits before the point overflow a double.
double NumberValue(std::string_view number) {
  double magnitude = 0.0;
  const auto [end, error] =
      std::from_chars(number.data(), number.data() + number.size(), magnitude);
  (void)end;
  if (error != std::errc::result_out_of_range) return magnitude;
  const std::string_view whole = number.substr(0, number.find('.'));
  return whole.find_first_not_of('0') == std::string_view::npos
             ? 0.0
             : std::numeric_limits<double>::infinity();
}
#else
std::string FixedForm(double magnitude) {
  return detail::ShortestFixed(magnitude);
}

double NumberValue(std::string_view number) {
  return detail::DecimalValue(number);
}
#endif

// Digits of |value|: whole values without a point, others in the shortest form that reads
// back exactly, without the zero before the point when |value| < 1.
void AppendDigits(std::string& out, double magnitude, bool leadingZero) {
  std::string digits;
  if (magnitude < 9.0e18 && magnitude == std::floor(magnitude)) {
    digits = std::to_string(static_cast<std::int64_t>(magnitude));
  } else {
    digits = FixedForm(magnitude);
  }
  const bool dropZero = !leadingZero && magnitude < 1.0 && digits.size() > 1 && digits[0] == '0';
  out.append(digits, dropZero ? 1 : 0);
}

double Finite(double value) {
  if (std::isnan(value)) return 0.0;
  return std::clamp(value, -std::numeric_limits<double>::max(), std::numeric_limits<double>::max());
}

bool IsBlank(char c) {
  return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

}  // namespace

std::string StrForm(double value) {
  value = Finite(value);
  std::string out(1, std::signbit(value) && value != 0.0 ? '-' : ' ');
  AppendDigits(out, std::fabs(value), false);
  return out;
}

std::string PrintForm(double value) {
  return StrForm(value) + ' ';
}

std::string PrintForm(std::optional<double> value) {
  return value ? PrintForm(*value) : std::string();
}

std::string LocaleForm(double value, char decimalSeparator) {
  value = Finite(value);
  std::string out;
  if (std::signbit(value) && value != 0.0) out += '-';
  AppendDigits(out, std::fabs(value), true);
  for (char& c : out) {
    if (c == '.') c = decimalSeparator;
  }
  return out;
}

double ValueOf(std::string_view text) {
  std::string number;
  std::size_t i = 0;
  const auto skipBlanks = [&] {
    while (i < text.size() && IsBlank(text[i])) ++i;
  };
  const auto isDigit = [&] { return i < text.size() && text[i] >= '0' && text[i] <= '9'; };
  skipBlanks();
  bool negative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
    negative = text[i] == '-';
    ++i;
    skipBlanks();
  }
  const auto takeDigits = [&] {
    for (skipBlanks(); isDigit(); skipBlanks()) number += text[i++];
  };
  takeDigits();
  if (i < text.size() && text[i] == '.') {
    number += text[i++];
    takeDigits();
  }
  if (number.find_first_of("0123456789") == std::string::npos) return 0.0;
  if (number.front() == '.') number.insert(number.begin(), '0');
  // Hundreds of digits overflow a double: such a text reads as the largest finite value.
  const double magnitude = std::min(NumberValue(number), std::numeric_limits<double>::max());
  return negative ? -magnitude : magnitude;
}

std::string CoordinateText(int x, int shownY, int z) {
  std::string text = "(";
  text += PrintForm(x);
  text += ',';
  text += PrintForm(shownY);
  text += ',';
  text += PrintForm(z);
  text += ')';
  return text;
}

}  // namespace quirlweg
