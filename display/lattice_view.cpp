#include "lattice_view.h"

#include "controls.h"
#include "palette.h"
#include "picture_area.h"

namespace quirlweg {

namespace {

constexpr int kBoundaryColour = 14;
constexpr int kPointColour = 3;
constexpr int kHomeRingColour = 15;
constexpr int kHomeCircleColour = 9;
constexpr int kBoundaryWidth = 10;
constexpr int kHomeRingWidth = 10;
constexpr double kHomeCircleRadius = 0.5;

}  // namespace

LatticeView::LatticeView(PictureArea& area, ImageControl& walker, ShapeControl& marker)
    : area_(area), walker_(walker), marker_(marker) {}

int LatticeView::PointWidthFor(int radius) {
  if (radius < 5) return 4;
  if (radius < 15) return 3;
  if (radius < 25) return 2;
  return 1;
}

void LatticeView::DrawLattice(const LatticeDrawing& lattice) {
  const int r = lattice.radius;
  const double rd = r;
  // A little room around the boundary square, a little less above and below.
  area_.Scale(-kMarginX * rd, -kMarginY * rd, kMarginX * rd, kMarginY * rd);
  area_.Cls();

  walkerSize_ = lattice.walkerSize;
  PlaceWalker(lattice.homeX - lattice.walkerSize / 2, lattice.homeY - lattice.walkerSize / 2);

  area_.SetDrawWidth(kBoundaryWidth);
  area_.Line(-rd, -rd, rd, rd, PaletteColor(kBoundaryColour), LineShape::Box);

  // The points go over the boundary square, the boundary points included.
  area_.SetDrawWidth(PointWidthFor(r));
  const QColor point = PaletteColor(kPointColour);
  for (int x = -r; x <= r; ++x) {
    for (int y = -r; y <= r; ++y) area_.PSet(x, y, point);
  }

  // The home circle always sits on the origin, wherever the start point is.
  if (lattice.homeCircle) {
    area_.SetDrawWidth(kHomeRingWidth);
    area_.Circle(0, 0, kHomeCircleRadius, PaletteColor(kHomeRingColour));
    area_.SetDrawWidth(1);
    area_.Circle(0, 0, kHomeCircleRadius, PaletteColor(kHomeCircleColour));
  }
}

// Drawing the lattice wipes the area first, traces included.
void LatticeView::ClearTraces(const LatticeDrawing& lattice) {
  DrawLattice(lattice);
}

void LatticeView::DrawTraceSegment(int fromX, int fromY, int toX, int toY, int width) {
  area_.SetDrawWidth(width);
  area_.Line(fromX, fromY, toX, toY);
}

void LatticeView::PlotPoint(int x, int y) {
  area_.PSet(x, y);
}

void LatticeView::SetWalkerVisible(bool visible) {
  if (walker_.isHidden() == visible) walker_.setVisible(visible);
}

void LatticeView::PlaceWalker(double left, double top) {
  walkerLeft_ = left;
  walkerTop_ = top;
  area_.PlaceChild(&walker_, walkerLeft_, walkerTop_, walkerSize_, walkerSize_);
}

void LatticeView::SizeWalker(double size) {
  walkerSize_ = size;
  area_.PlaceChild(&walker_, walkerLeft_, walkerTop_, walkerSize_, walkerSize_);
}

void LatticeView::WalkerToFront() {
  walker_.raise();
}

void LatticeView::HideEndMarker() {
  if (!marker_.isHidden()) marker_.hide();
}

void LatticeView::ShowEndMarker(double left, double top, double width, double height) {
  area_.PlaceChild(&marker_, left, top, width, height);
  if (marker_.isHidden()) marker_.show();
}

}  // namespace quirlweg
