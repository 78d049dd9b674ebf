#pragma once

namespace quirlweg {

// The lattice view's user scale reaches this far beyond the boundary square, as a share of the
// radius R, across and up and down: room for the boundary line, and below it for the legend.
inline constexpr double kLatticeMarginX = 1.1;
inline constexpr double kLatticeMarginY = 1.06;

// The values a drawing's left, top, right and bottom edges carry.
struct UserEdges {
  double left = 0;
  double top = 0;
  double right = 0;
  double bottom = 0;
};

// The lattice view's edges for a lattice of radius R, y downward.
UserEdges LatticeEdges(int radius);

// pixel = (user - origin) * factor, in pixels of whatever resolution the mapping was made for.
struct PixelMapping {
  double originX = 0;
  double originY = 0;
  double factorX = 1;
  double factorY = 1;
};

// The mapping that puts `edges` on the edges of a drawing `width` x `height` pixels large.
// Equal edges would divide by zero: the whole axis then falls on its first pixel.
PixelMapping MappingOnto(const UserEdges& edges, double width, double height);

struct PixelPoint {
  int x = 0;
  int y = 0;
};
struct PlacePoint {
  double x = 0;
  double y = 0;
};

// Pixel coordinates are kept far inside int so that any user value, even NaN or infinite,
// maps to a harmless pixel well outside every drawing, and a pen width added to it cannot
// overflow.
inline constexpr int kFarPixel = 10'000'000;

// floor() of a pixel coordinate, NaN and far-away values at ±kFarPixel.
int PixelIndex(double coordinate);

// Where a user point lies, fractional; the pixel holding it is PixelOf.
inline PlacePoint PlaceOf(const PixelMapping& m, double x, double y) {
  return {(x - m.originX) * m.factorX, (y - m.originY) * m.factorY};
}
inline PixelPoint PixelOf(const PixelMapping& m, double x, double y) {
  const PlacePoint p = PlaceOf(m, x, y);
  return {PixelIndex(p.x), PixelIndex(p.y)};
}

// A pen width of device-independent pixels in pixels of an image `ratio` times as fine, at
// least one.
int DevicePenWidth(int width, double ratio);

// A round pen `width` pixels wide put on a pixel covers the offsets PenLow(width) onward,
// `width` of them: an even width is centred on a pixel corner, an odd one on a pixel centre.
inline constexpr int PenLow(int width) {
  return -(width / 2);
}
// The centre of what that pen covers, in pixel-edge coordinates (pixel p spans p to p + 1): a
// line drawn there with a smooth pen has its edges on pixel edges.
inline constexpr double PenCentre(int pixel, int width) {
  return pixel + PenLow(width) + width / 2.0;
}

// Pen width of the lattice points for a lattice radius: 4 below 5, 3 below 15, 2 below 25,
// else 1, so that a large lattice's points stay apart.
int PointWidthFor(int radius);

}  // namespace quirlweg
