#include "lattice_view.h"

#include <QCoreApplication>
#include <algorithm>
#include <cstdlib>
#include <vector>

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
// Pixels between the boundary line's centre and its outer edge.
constexpr int kBoundaryReach = kBoundaryWidth / 2;
constexpr int kLegendLeastHeight = 7;

struct WalkedEdge {
  int fromX, fromY, toX, toY;
  int width;  // as the walk drew it last: the count before that visit
};

// Every walked edge, least visited first: the classic pen is one colour, so the order does not
// matter there, and heat traces overlap where they meet as they do while the walk goes on.
std::vector<WalkedEdge> WalkedEdges(const EdgeVisits& horizontal, const EdgeVisits& vertical,
                                    int radius) {
  std::vector<WalkedEdge> edges;
  for (int i = 0; i < kEdgeIndexCount; ++i) {
    for (int j = 0; j < kEdgeIndexCount; ++j) {
      const int x = i - radius;
      const int y = j - radius;
      // Counts start at 1: an edge never walked keeps it.
      if (const int h = horizontal[i][j]; h > 1) edges.push_back({x, y, x + 1, y, h - 1});
      if (const int v = vertical[i][j]; v > 1) edges.push_back({x, y, x, y + 1, v - 1});
    }
  }
  std::stable_sort(edges.begin(), edges.end(),
                   [](const WalkedEdge& a, const WalkedEdge& b) { return a.width < b.width; });
  return edges;
}

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
  drawing_ = lattice;
  if (lattice.homeCircle) DrawHomeCircle();

  PrepareHeatScale();
  if (style_ == TraceStyle::Heat) DrawHeatLegend();
}

void LatticeView::DrawHomeCircle() {
  area_.SetDrawWidth(kHomeRingWidth);
  area_.Circle(0, 0, kHomeCircleRadius, PaletteColor(kHomeRingColour));
  area_.SetDrawWidth(1);
  area_.Circle(0, 0, kHomeCircleRadius, PaletteColor(kHomeCircleColour));
}

// Drawing the lattice wipes the area first, traces included.
void LatticeView::ClearTraces(const LatticeDrawing& lattice) {
  DrawLattice(lattice);
}

void LatticeView::DrawTraceSegment(int fromX, int fromY, int toX, int toY, int width) {
  walkWidth_ = width;
  if (style_ == TraceStyle::Heat) {
    // Most visits leave an edge's colour and width as they were: nothing to draw then.
    if (!heat_.LooksAlike(width, width - 1)) DrawHeatSegment(fromX, fromY, toX, toY, width);
    return;
  }
  area_.SetDrawWidth(width);
  area_.Line(fromX, fromY, toX, toY);
}

// Heat traces leave the lattice points as they are, so a walker coming back into the plane
// leaves no dot.
void LatticeView::PlotPoint(int x, int y) {
  if (style_ == TraceStyle::Classic) area_.PSet(x, y);
}

void LatticeView::RedrawTraces(const EdgeVisits& horizontal, const EdgeVisits& vertical) {
  const double left = walkerLeft_;
  const double top = walkerTop_;
  DrawLattice(drawing_);
  for (const WalkedEdge& e : WalkedEdges(horizontal, vertical, drawing_.radius)) {
    if (style_ == TraceStyle::Heat) {
      DrawHeatSegment(e.fromX, e.fromY, e.toX, e.toY, e.width);
    } else {
      // Round pens of neighbouring widths do not nest pixel for pixel, those two apart do: the
      // two last widths cover all the walk drew over the edge.
      for (int width = std::max(1, e.width - 1); width <= e.width; ++width) {
        area_.SetDrawWidth(width);
        area_.Line(e.fromX, e.fromY, e.toX, e.toY);
      }
    }
  }
  // The next dot of the walk comes in the width it asked for last, as without the redrawing.
  if (style_ == TraceStyle::Classic && walkWidth_) area_.SetDrawWidth(*walkWidth_);
  PlaceWalker(left, top);
}

// ---- heat traces ------------------------------------------------------------------------------

void LatticeView::PrepareHeatScale() {
  const double spacing = area_.ToPixel(1, 0).x() - area_.ToPixel(0, 0).x();
  const int widest = HeatPenWidthFor(spacing);
  if (widest != heat_.WidestPen()) heat_ = HeatScale(widest);
  pointRings_ = widest > PointWidthFor(drawing_.radius);
}

// The points at both ends, the home circle and the legend go back over the new segment: the
// picture keeps them however often the walk passes.
void LatticeView::DrawHeatSegment(int fromX, int fromY, int toX, int toY, int count) {
  area_.SetDrawWidth(heat_.Width(count));
  area_.Line(fromX, fromY, toX, toY, QColor(heat_.Colour(count)));
  RedrawPoint(fromX, fromY);
  RedrawPoint(toX, toY);
  const bool atOrigin = (fromX == 0 && fromY == 0) || (toX == 0 && toY == 0);
  if (drawing_.homeCircle && atOrigin) DrawHomeCircle();
  if (fromY == drawing_.radius || toY == drawing_.radius) DrawHeatLegend();
}

void LatticeView::RedrawPoint(int x, int y) {
  const int r = drawing_.radius;
  const int width = PointWidthFor(r);
  const bool inside = std::abs(x) < r && std::abs(y) < r;
  if (inside && pointRings_) {
    area_.SetDrawWidth(width + 2);
    area_.PSet(x, y, area_.BackColor());
  }
  area_.SetDrawWidth(width);
  area_.PSet(x, y, PaletteColor(kPointColour));
}

// In the bottom right corner, below the boundary line, where no trace reaches; on a view too
// small for it, it rises into the boundary line's outer half, clear of the points on it.
void LatticeView::DrawHeatLegend() {
  const double r = drawing_.radius;
  const QPointF corner = area_.ToPixel(kMarginX * r, kMarginY * r);
  const QPointF boundary = area_.ToPixel(r, r);
  const double unitX = area_.ToPixel(1, 0).x() - area_.ToPixel(0, 0).x();
  const double unitY = area_.ToPixel(0, 1).y() - area_.ToPixel(0, 0).y();
  if (!(unitX > 0) || !(unitY > 0)) return;
  const int room = static_cast<int>(corner.y() - boundary.y()) - kBoundaryReach - 2;
  const int height = std::max(kLegendLeastHeight, room);
  const QImage legend =
      HeatLegend(height, area_.devicePixelRatioF(), area_.font(), PaletteColor(0),
                 area_.BackColor(), QCoreApplication::translate("LatticeView", "Besuche"));
  const double width = legend.deviceIndependentSize().width();
  const double left = boundary.x() + kBoundaryReach - width;
  const double top = corner.y() - height - 1;
  area_.DrawPicture(r + (left - boundary.x()) / unitX, r + (top - boundary.y()) / unitY, legend);
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
