#pragma once

// Where on the boundary a journey from the setting's start ends, cell by cell: the exit
// distribution of the walk. Qt-free; a cancellation makes it give up early.

#include <array>
#include <optional>
#include <vector>

#include "cancellation.h"
#include "journey_statistics.h"

namespace quirlweg::theory {

// A side is the set of boundary cells whose x or y has reached the radius, as the program's hit
// counters count them: top y = -R, right x = R, bottom y = R, left x = -R. A step changes one
// coordinate, so every end lies on exactly one side or z face, never on an edge or corner.
// A side's cells are indexed by the other in-plane coordinate c = -(R - 1) .. R - 1 at
// [c + R - 1]: x along top and bottom, y (as stored, growing downward) along right and left.
// In the box each cell sums over every z of the side; the z faces count as one total. On a
// line only right and left have a cell that can be reached: the start's row y.
struct ExitPlaces {
  int radius = 0;
  // [side][c + R - 1] = P(the journey ends on that cell); sides in the order top, right,
  // bottom, left.
  std::array<std::vector<double>, 4> sides;
  double zFaces = 0;  // P(it ends on |z| = R)
  double home = 0;    // P(it ends on the origin)

  static constexpr int SideOf(JourneyEnding e) { return static_cast<int>(e) - 1; }
};

// Nothing when cancelled; throws std::invalid_argument for a setting the walk cannot have.
std::optional<ExitPlaces> ComputeExitPlaces(const Setting& setting,
                                            const Cancellation& cancel = {});

}  // namespace quirlweg::theory
