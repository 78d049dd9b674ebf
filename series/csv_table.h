#pragma once

#include <string>
#include <vector>

namespace quirlweg {

// A table as CSV for a spreadsheet, made alike by the program and the browser edition. With ','
// as decimal separator the fields are separated by ';', as German spreadsheets expect; otherwise
// by ','. Lines end in CRLF; the bytes are UTF-8 with a byte order mark, so that spreadsheets
// read the umlauts.
class CsvTable {
 public:
  // `decimalSeparator`: the locale's, as UTF-8.
  explicit CsvTable(std::string decimalSeparator);

  void Row(const std::vector<std::string>& fields);
  // Ten significant digits, the exponent where printf's %g puts one, with the decimal separator.
  std::string Number(double value) const;
  // Everything made so far, after the byte order mark.
  std::string Bytes() const;
  // The rows made since the last call, the first time after the byte order mark, so that a
  // long table can be written as it grows.
  std::string Take();

 private:
  std::string Quoted(std::string field) const;

  std::string decimal_;
  char field_;
  std::string text_;
  bool begun_ = false;
};

}  // namespace quirlweg
