#include "lattice_view.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <limits>
#include <vector>

#include "controls.h"
#include "palette.h"
#include "picture/lattice_frame.h"
#include "picture/trace_style.h"
#include "picture_area.h"

namespace quirlweg {

namespace {

struct WalkedEdge {
  int fromX, fromY, toX, toY;
  int width;  // as the walk drew it last: the count before that visit
};

// Every walked edge, least visited first: the classic pen is one colour, so the order does not
// matter.
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

void LatticeView::DrawLattice(const LatticeDrawing& lattice) {
  drawing_ = lattice;
  shownHorizontal_ = FreshEdgeVisits();
  shownVertical_ = FreshEdgeVisits();
  DrawShownTraces();
  walkerSize_ = lattice.walkerSize;
  PlaceWalker(lattice.homeX - lattice.walkerSize / 2, lattice.homeY - lattice.walkerSize / 2);
}

// Drawing the lattice wipes the area first, traces included.
void LatticeView::ClearTraces(const LatticeDrawing& lattice) {
  DrawLattice(lattice);
}

void LatticeView::SetColours(const LatticeColours& colours) {
  colours_ = colours;
  area_.SetBackColor(QColor::fromRgb(colours.back));
}

void LatticeView::RedrawTraces(const EdgeVisits& horizontal, const EdgeVisits& vertical) {
  const double left = walkerLeft_;
  const double top = walkerTop_;
  shownHorizontal_ = horizontal;
  shownVertical_ = vertical;
  DrawShownTraces();
  // The next dot of the walk comes in the width it asked for last, as without the redrawing.
  if (style_ == TraceStyle::Classic && walkWidth_) area_.SetDrawWidth(*walkWidth_);
  PlaceWalker(left, top);
}

void LatticeView::DrawShownTraces() {
  const UserEdges edges = LatticeEdges(drawing_.radius);
  area_.Scale(edges.left, edges.top, edges.right, edges.bottom);
  area_.Cls();
  PrepareHeatScale();
  if (style_ == TraceStyle::Heat) {
    PaintHeat(AllPoints(), std::nullopt);
    return;
  }
  DrawBoundary();
  DrawPoints(AllPoints());
  // The home circle always sits on the origin, wherever the start point is.
  if (drawing_.homeCircle) DrawHomeCircle();
  DrawClassicTraces();
}

void LatticeView::DrawBoundary() {
  const double rd = drawing_.radius;
  area_.SetDrawWidth(kBoundaryWidth);
  area_.Line(-rd, -rd, rd, rd, QColor::fromRgb(colours_.boundary), LineShape::Box);
}

void LatticeView::DrawPoints(const PointRange& points) {
  area_.SetDrawWidth(PointWidthFor(drawing_.radius));
  const QColor point = QColor::fromRgb(colours_.point);
  for (int x = points.left; x <= points.right; ++x) {
    for (int y = points.top; y <= points.bottom; ++y) area_.PSet(x, y, point);
  }
}

void LatticeView::DrawHomeCircle() {
  area_.SetDrawWidth(kHomeRingWidth);
  area_.Circle(0, 0, kHomeCircleRadius, QColor::fromRgb(colours_.homeRing));
  area_.SetDrawWidth(kHomeCircleWidth);
  area_.Circle(0, 0, kHomeCircleRadius, QColor::fromRgb(colours_.homeCircle));
}

void LatticeView::DrawClassicTraces() {
  for (const WalkedEdge& e : WalkedEdges(shownHorizontal_, shownVertical_, drawing_.radius)) {
    // Round pens of neighbouring widths do not nest pixel for pixel, those two apart do: the
    // two last widths cover all the walk drew over the edge.
    for (int width = std::max(1, e.width - 1); width <= e.width; ++width) {
      area_.SetDrawWidth(width);
      area_.Line(e.fromX, e.fromY, e.toX, e.toY);
    }
  }
}

void LatticeView::DrawTraceSegment(int fromX, int fromY, int toX, int toY, int width) {
  walkWidth_ = width;
  NoteVisit(fromX, fromY, toX, toY, width);
  if (style_ == TraceStyle::Heat) {
    ShowHeatVisit(fromX, fromY, toX, toY, width);
    return;
  }
  area_.SetDrawWidth(width);
  area_.Line(fromX, fromY, toX, toY);
}

// The walk draws a visit in the width of the edge's count before it: the count is one more now.
void LatticeView::NoteVisit(int fromX, int fromY, int toX, int toY, int visits) {
  const bool horizontal = fromY == toY;
  if (std::abs(toX - fromX) + std::abs(toY - fromY) != 1) return;
  const int i = std::min(fromX, toX) + drawing_.radius;
  const int j = std::min(fromY, toY) + drawing_.radius;
  if (i < 0 || i >= kEdgeIndexCount || j < 0 || j >= kEdgeIndexCount) return;
  auto& count = (horizontal ? shownHorizontal_ : shownVertical_)[i][j];
  count = static_cast<std::int16_t>(
      std::clamp(visits + 1, 1, int{std::numeric_limits<std::int16_t>::max()}));
}

int LatticeView::ShownCount(bool horizontal, int x, int y) const {
  const int i = x + drawing_.radius;
  const int j = y + drawing_.radius;
  if (i < 0 || i >= kEdgeIndexCount || j < 0 || j >= kEdgeIndexCount) return 1;
  return (horizontal ? shownHorizontal_ : shownVertical_)[i][j];
}

LatticeView::PointRange LatticeView::AllPoints() const {
  const int r = drawing_.radius;
  return {-r, -r, r, r};
}

// Heat traces leave the lattice points as they are, so a walker coming back into the plane
// leaves no dot.
void LatticeView::PlotPoint(int x, int y) {
  if (style_ == TraceStyle::Classic) area_.PSet(x, y);
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
