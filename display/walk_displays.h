#pragma once

#include "display/lattice_view.h"
#include "display/statistics_displays.h"

namespace quirlweg {

class ImageControl;
class PictureArea;
class ShapeControl;

// The widgets the walk's displays draw into.
struct DisplayWidgets {
  PictureArea* lattice = nullptr;  // the lattice view
  ImageControl* walker = nullptr;  // the walker picture, a child of the lattice view
  ShapeControl* marker = nullptr;  // the end marker, a child of the lattice view
  StatisticsWidgets statistics;
};

// The lattice view and the statistics displays over a set of widgets, ready for a walk: the
// protocol holds its header. The window and the benchmark both build theirs here.
class WalkDisplays {
 public:
  explicit WalkDisplays(const DisplayWidgets& widgets);

  LatticeView& lattice() { return lattice_; }
  StatisticsDisplays& statistics() { return statistics_; }
  const StatisticsDisplays& statistics() const { return statistics_; }

 private:
  LatticeView lattice_;
  StatisticsDisplays statistics_;
};

}  // namespace quirlweg
