#include "series/csv_table.h"

#include <cmath>
#include <cstdio>
#include <string_view>
#include <utility>

namespace quirlweg {
namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

// Skips the digits from `at` on; false where there are none.
bool SkipDigits(std::string_view text, std::size_t& at) {
  const std::size_t from = at;
  while (at < text.size() && IsDigit(text[at])) ++at;
  return at > from;
}

// A number as a spreadsheet reads one: [+-]digits[(.|,)digits][(e|E)[+-]digits].
bool IsNumber(std::string_view text) {
  std::size_t at = 0;
  if (at < text.size() && (text[at] == '+' || text[at] == '-')) ++at;
  if (!SkipDigits(text, at)) return false;
  if (at < text.size() && (text[at] == '.' || text[at] == ',')) {
    ++at;
    if (!SkipDigits(text, at)) return false;
  }
  if (at < text.size() && (text[at] == 'e' || text[at] == 'E')) {
    ++at;
    if (at < text.size() && (text[at] == '+' || text[at] == '-')) ++at;
    if (!SkipDigits(text, at)) return false;
  }
  return at == text.size();
}

// A spreadsheet runs a cell that begins with one of these as a formula: a text from a file
// or a typed name could then fetch or compute anything. Such a text gets a leading quote,
// the usual sign for "text"; numbers such as -3 or +1e5 stay as they are.
std::string Inert(std::string field) {
  constexpr std::string_view starters = "=+-@\t\r";
  if (field.empty() || starters.find(field.front()) == std::string_view::npos || IsNumber(field)) {
    return field;
  }
  return '\'' + field;
}

}  // namespace

CsvTable::CsvTable(std::string decimalSeparator)
    : decimal_(std::move(decimalSeparator)), field_(decimal_ == "," ? ';' : ',') {}

void CsvTable::Row(const std::vector<std::string>& fields) {
  for (std::size_t i = 0; i < fields.size(); ++i) {
    if (i > 0) text_ += field_;
    text_ += Quoted(Inert(fields[i]));
  }
  text_ += "\r\n";
}

std::string CsvTable::Number(double value) const {
  if (std::isnan(value)) return "nan";
  if (std::isinf(value)) return value < 0 ? "-inf" : "inf";
  if (value == 0) return "0";  // no "-0"
  char digits[32];
  std::snprintf(digits, sizeof digits, "%.10g", value);
  std::string text;
  for (const char* c = digits; *c != '\0'; ++c) {
    // Whatever the C locale's point, the text gets the one asked for.
    if (*c == '.' || *c == ',') {
      text += decimal_;
    } else {
      text += *c;
    }
  }
  return text;
}

std::string CsvTable::Bytes() const {
  return std::string(kByteOrderMark) + text_;
}

std::string CsvTable::Take() {
  std::string bytes = begun_ ? std::move(text_) : std::string(kByteOrderMark) + text_;
  begun_ = true;
  text_.clear();
  return bytes;
}

// As RFC 4180 has it: a field holding the separator, a quote or a line break goes in quotes,
// its quotes doubled. Translations and dates may hold any of them.
std::string CsvTable::Quoted(std::string field) const {
  const char special[] = {field_, '"', '\n', '\r'};
  if (field.find_first_of(special, 0, sizeof special) == std::string::npos) return field;
  std::string quoted = "\"";
  for (const char c : field) {
    quoted += c;
    if (c == '"') quoted += '"';
  }
  return quoted + '"';
}

}  // namespace quirlweg
