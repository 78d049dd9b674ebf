#pragma once

#include <cmath>
#include <cstdint>
#include <string>
#include <string_view>

#include "engine/display_roles.h"
#include "engine/text_forms.h"
#include "engine/walk_state.h"

namespace quirlweg::bench {

// Totals of a run. Gathered from the display requests a journey end makes (the end marker
// tells where it ended, the count box it raises tells how) or added up from what a display
// shows.
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

  // Totals read from a display: journeys ended at home and at the boundary, the boundary hits
  // per side (boundary ends on no side lie at |z| = R) and the steps of all those journeys.
  void AddTotals(std::int64_t homeEnds, std::int64_t boundaryEnds, std::int64_t topHits,
                 std::int64_t rightHits, std::int64_t bottomHits, std::int64_t leftHits,
                 std::int64_t stepSum) {
    home += homeEnds;
    boundary += boundaryEnds;
    top += topHits;
    right += rightHits;
    bottom += bottomHits;
    left += leftHits;
    z += boundaryEnds - (topHits + rightHits + bottomHits + leftHits);
    steps += stepSum;
  }

  // The totals a window shows: its two count boxes, and the boundary hits and the length sum
  // the walk keeps for the journeys they count.
  void AddShownTotals(std::string_view homeBox, std::string_view boundaryBox,
                      const WalkState& state) {
    AddTotals(static_cast<std::int64_t>(ValueOf(homeBox)),
              static_cast<std::int64_t>(ValueOf(boundaryBox)),
              static_cast<std::int64_t>(state.hitsTop), state.hitsRight.value_or(0),
              state.hitsBottom.value_or(0), state.hitsLeft.value_or(0), state.lengthSum);
  }

  void CountBoxWritten(CountBox box) {
    if (box == CountBox::Home) {
      ++home;
    } else if (box == CountBox::Boundary) {
      ++boundary;
      if (endY == -radius)
        ++top;
      else if (endX == radius)
        ++right;
      else if (endY == radius)
        ++bottom;
      else if (endX == -radius)
        ++left;
      else
        ++z;
    }
  }
};

}  // namespace quirlweg::bench
