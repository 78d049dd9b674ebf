#pragma once

// Reads a journey protocol back the way a reader of the box would: number, length and end
// point of every entry.

#include <cstdint>
#include <string>
#include <string_view>

#include "common/program_texts.h"
#include "engine/protocol.h"
#include "engine/text_forms.h"

namespace quirlweg::robustness {

struct ListSummary {
  int entries = 0;
  int homeEnds = 0;  // entries that end on the origin
  std::int64_t lengths = 0;
  std::string problem;  // empty when every entry is well formed and numbered in order
};

// `first` is the number the first entry must carry.
inline ListSummary Summarise(std::string_view text, int first = 1) {
  ListSummary summary;
  if (!text.starts_with(kProtocolHeader)) {
    summary.problem = "the list lost its header";
    return summary;
  }
  std::string_view rest = text.substr(kProtocolHeader.size());
  while (!rest.empty()) {
    if (!rest.starts_with("\r\n")) {
      summary.problem = "an entry does not begin on a new line";
      return summary;
    }
    rest.remove_prefix(2);
    const std::string_view entry = rest.substr(0, rest.find("\r\n"));
    rest.remove_prefix(entry.size());
    const std::size_t open = entry.find("   (");
    if (entry.size() < 25 || open != 12 || entry[4] != ',' || !entry.ends_with(')')) {
      summary.problem = "malformed entry \"" + std::string(entry) + '"';
      return summary;
    }
    const int number = first + summary.entries++;
    if (ValueOf(entry.substr(0, 4)) != number) {
      summary.problem = "entry " + std::to_string(number) + " is numbered \"" +
                        std::string(entry.substr(0, 4)) + '"';
      return summary;
    }
    summary.lengths += static_cast<std::int64_t>(ValueOf(entry.substr(6, 6)));
    if (entry.substr(open) == "   ( 0, 0, 0)") ++summary.homeEnds;
  }
  return summary;
}

}  // namespace quirlweg::robustness
