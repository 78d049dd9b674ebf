#pragma once

// The exit places of a series beside the exact ones, as the evaluation draws them: Qt-free, so
// that the browser edition shows the same cells and ranges as the desktop window.

#include <array>
#include <optional>
#include <vector>

#include "series/journey_series.h"
#include "sweep/exit_tally.h"
#include "theory/exit_places.h"

namespace quirlweg {

// One boundary cell (or home, or the z faces): the measured share of exits with its 95 % range
// (Wilson's), and the exact one.
struct ExitCell {
  double measured = 0;
  double low = 0;
  double high = 0;
  std::optional<double> exact;
};

// What the picture shows: per side (top, right, bottom, left) its cells, c = -(R - 1) .. R - 1
// (x along top and bottom, y as stored along right and left), the start in the plane, and the
// two ends that are no cell of a side.
struct ExitPlacesView {
  int radius = 0;
  bool measured = false;  // any journeys counted
  std::array<std::vector<ExitCell>, 4> sides;
  int startX = 0;
  int startY = 0;
  ExitCell home;
  ExitCell zFaces;
};

// The journeys of `series` that ran under `current`, counted by boundary cell. A series that
// mixes settings counts only those of the current one: the exact places describe no other.
ExitTally TallyExits(const JourneySeries& series, const theory::Setting& current);

// What the picture shows for a tally beside the exact places (none while being computed).
ExitPlacesView ViewOf(const ExitTally& tally, const std::optional<theory::ExitPlaces>& exact,
                      const theory::Setting& current);

// The largest share any cell shows, the strips' common scale; never 0, so that an empty
// picture has a scale.
double LargestShare(const ExitPlacesView& view);

}  // namespace quirlweg
