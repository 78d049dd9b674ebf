#include "lattice_frame.h"

#include <algorithm>
#include <cmath>

namespace quirlweg {

UserEdges LatticeEdges(int radius) {
  const double r = radius;
  return {-kLatticeMarginX * r, -kLatticeMarginY * r, kLatticeMarginX * r, kLatticeMarginY * r};
}

PixelMapping MappingOnto(const UserEdges& edges, double width, double height) {
  const auto factor = [](double pixels, double span) {
    const double f = pixels / span;
    return std::isfinite(f) ? f : 0.0;
  };
  return {edges.left, edges.top, factor(width, edges.right - edges.left),
          factor(height, edges.bottom - edges.top)};
}

// floor() without a library call: this runs for every point drawn.
int PixelIndex(double coordinate) {
  if (!(coordinate > -kFarPixel)) return -kFarPixel;
  if (coordinate > kFarPixel) return kFarPixel;
  const int truncated = static_cast<int>(coordinate);
  return truncated > coordinate ? truncated - 1 : truncated;
}

int DevicePenWidth(int width, double ratio) {
  return ratio == 1 ? width : std::max(1, static_cast<int>(std::lround(width * ratio)));
}

int PointWidthFor(int radius) {
  if (radius < 5) return 4;
  if (radius < 15) return 3;
  if (radius < 25) return 2;
  return 1;
}

}  // namespace quirlweg
