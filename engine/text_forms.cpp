#include "text_forms.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <limits>

namespace quirlweg {

namespace {

// Digits of |value|: whole values without a point, others in the shortest form that reads
// back exactly, without the zero before the point when |value| < 1.
void AppendDigits(std::string& out, double magnitude, bool leadingZero) {
  std::array<char, 400> buffer;  // the longest fixed form of a double has about 330 chars
  char* const first = buffer.data();
  char* last = nullptr;
  if (magnitude < 9.0e18 && magnitude == std::floor(magnitude)) {
    last = std::to_chars(first, first + buffer.size(), static_cast<std::int64_t>(magnitude)).ptr;
  } else {
    last = std::to_chars(first, first + buffer.size(), magnitude, std::chars_format::fixed).ptr;
  }
  const char* begin = first;
  if (!leadingZero && magnitude < 1.0 && *begin == '0' && begin + 1 < last) ++begin;
  out.append(begin, static_cast<std::size_t>(last - begin));
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
  double magnitude = 0.0;
  const auto [end, error] =
      std::from_chars(number.data(), number.data() + number.size(), magnitude);
  (void)end;
  // Hundreds of digits overflow a double: such a text reads as the largest finite value
  // (or as 0 when all those digits stand after the point).
  if (error == std::errc::result_out_of_range) {
    const std::string whole = number.substr(0, number.find('.'));
    magnitude = whole.find_first_not_of('0') == std::string::npos
                    ? 0.0
                    : std::numeric_limits<double>::max();
  }
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
