#pragma once

#include <optional>
#include <string>

#include "classroom/class_protocol.h"

namespace quirlweg::classroom {

// Where a device's share of home ends lies for its number of journeys in about 95 of 100
// classes: the exact chance ± two standard errors, cut to 0..1.
struct ShareBand {
  double low = 0;
  double high = 1;
};
ShareBand BandFor(double exact, std::int64_t journeys);

// The board's figures as JSON: the class, its round and setting, every device with its
// journeys and share against the band for them, the pool beside the exact chance of a home
// end (none where it is not known) and the refusals by kind. `asked` marks the answer to the
// board's request from the figures sent as they change; `longestMs` is the longest time the
// server took to make them so far, for walkbench.
std::string StatusJson(const ClassProtocol& protocol, std::optional<double> exactHome,
                       bool asked = false, double longestMs = 0);

}  // namespace quirlweg::classroom
