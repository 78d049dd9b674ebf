#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "classroom/class_protocol.h"

namespace quirlweg::classroom {

// Where a device's share of home ends lies for its number of journeys in about 95 of 100
// classes: the exact chance ± two standard errors, cut to 0..1.
struct ShareBand {
  double low = 0;
  double high = 1;
};
ShareBand BandFor(double exact, std::int64_t journeys);

// The class's picture as the desktop board and the page's board both draw it, in fractions of
// its plot area: journeys on a logarithmic axis from 1 to a whole power of ten, shares from 0
// to 1, and the band around the exact chance along the journey axis.
struct ClassPictureAxes {
  double mostJourneys = 10;  // the journey axis' end

  // How far along the journey axis `journeys` lie, from 0 to 1.
  double At(double journeys) const;
  // 1, 10, 100, ... up to the axis' end.
  std::vector<double> JourneyTicks() const;
  struct BandPoint {
    double at = 0;  // along the journey axis, 0 to 1
    double low = 0;
    double high = 1;
  };
  // The band's edges from the axis' start to its end, close enough for a smooth outline.
  std::vector<BandPoint> Band(double exact) const;
};

// The axes for a picture whose largest number of journeys (a device's or the pool's) is
// `most`: at least ten.
ClassPictureAxes AxesFor(std::int64_t most);

// Where the share axis is marked.
inline constexpr std::array<double, 5> kShareTicks{0, 0.25, 0.5, 0.75, 1};

// The board's figures as JSON: the class, its round and setting, every device with its
// journeys and share against the band for them, the pool beside the exact chance of a home
// end (none where it is not known) and the refusals by kind. `asked` marks the answer to the
// board's request from the figures sent as they change; `longestMs` is the longest time the
// server took to make them so far, for walkbench.
std::string StatusJson(const ClassProtocol& protocol, std::optional<double> exactHome,
                       bool asked = false, double longestMs = 0);

}  // namespace quirlweg::classroom
