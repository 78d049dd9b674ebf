#include "protocol.h"

#include "text_forms.h"

namespace quirlweg {

namespace {
// The last `width` characters of `text`, or all of it when shorter.
std::string LastChars(const std::string& text, std::size_t width) {
  return text.size() <= width ? text : text.substr(text.size() - width);
}
}  // namespace

std::string ProtocolLine(int n, std::int64_t length, int x, int y, int z) {
  return LastChars("   " + StrForm(n), 4) + ", " +
         LastChars("    " + StrForm(static_cast<double>(length)), 6) + "   (" + StrForm(x) + "," +
         StrForm(-y) + "," + StrForm(z) + ")";
}

std::string AppendProtocolLine(std::string_view text, int n, std::int64_t length, int x, int y,
                               int z) {
  std::string result;
  const std::string line = ProtocolLine(n, length, x, y, z);
  result.reserve(text.size() + 2 + line.size());
  result.append(text);
  result += "\r\n";
  result += line;
  return result;
}

}  // namespace quirlweg
