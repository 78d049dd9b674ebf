#pragma once

#include <cmath>
#include <cstdint>
#include <string>

#include "engine/display_sink.h"

namespace quirlweg::bench {

// Totals of a run, gathered from the display requests a journey end makes: the end marker
// tells where it ended, the count box it raises tells how.
struct JourneyTally {
  int radius = 0;
  std::int64_t home = 0;
  std::int64_t boundary = 0;
  std::int64_t top = 0;
  std::int64_t right = 0;
  std::int64_t bottom = 0;
  std::int64_t left = 0;
  std::int64_t z = 0;
  std::int64_t steps = 0;
  long endX = 0;
  long endY = 0;

  std::int64_t journeys() const { return home + boundary; }

  void EndMarkerShown(double markerLeft, double markerTop, double width, double height) {
    endX = std::lround(markerLeft + width / 2);
    endY = std::lround(markerTop + height / 2);
  }

  void CountBoxWritten(CountBox box) {
    if (box == CountBox::Home) {
      ++home;
    } else if (box == CountBox::Boundary) {
      ++boundary;
      if (endY == -radius) ++top;
      else if (endX == radius) ++right;
      else if (endY == radius) ++bottom;
      else if (endX == -radius) ++left;
      else ++z;
    }
  }
};

}  // namespace quirlweg::bench
