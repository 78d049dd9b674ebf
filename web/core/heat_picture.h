#pragma once

#include <vector>

#include "engine/walk_state.h"
#include "picture/trace_style.h"

namespace quirlweg::web {

// The traces as heat, in the desktop lattice view's drawing order: the walked edges least
// visited first, then the points at their ends, ringed in the ground's colour where the pens
// are wider than a point, so that neighbouring edges stay apart.
struct HeatPicture {
  int top = 0;
  int widestPen = 1;
  // Runs of edges drawn with one pen, in drawing order.
  struct Pen {
    Rgb colour = 0;
    int width = 1;
    std::vector<int> segments;  // from x, from y, to x, to y; a unit edge each
  };
  std::vector<Pen> pens;
  // x, y, x, y, ...: the lattice points at walked edges, drawn again over them, and those of
  // them inside the boundary that get a ring first.
  std::vector<int> walkedPoints;
  std::vector<int> ringedPoints;
};

// The heat picture of the counts (1 for an edge never walked) on a lattice of `radius` whose
// points lie `spacing` pixels apart.
HeatPicture HeatPictureOf(const EdgeVisits& horizontal, const EdgeVisits& vertical, int radius,
                          double spacing);

}  // namespace quirlweg::web
