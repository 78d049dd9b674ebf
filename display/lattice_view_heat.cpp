// Heat traces of the lattice view. The picture is one drawing order, whether drawn whole or
// around an edge the walk just changed: the bare lattice, the walked edges least visited first,
// the points at their ends, the home circle and the legend. Edges overlap only around the
// points they share, and there the most visited lies on top either way.

#include <QCoreApplication>
#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <utility>
#include <vector>

#include "lattice_view.h"
#include "palette.h"
#include "picture/lattice_frame.h"
#include "picture/trace_style.h"
#include "picture_area.h"

namespace quirlweg {

void LatticeView::ShowHeatVisit(int fromX, int fromY, int toX, int toY, int visits) {
  // A new top changes every colour.
  if (visits > heat_.Top()) {
    DrawShownTraces();
    return;
  }
  // A first visit draws the edge; a later one only when its colour or width changes.
  if (visits > 1 && heat_.LooksAlike(visits, visits - 1)) return;
  const int r = drawing_.radius;
  // Pixels around the edge that its pen or the rings at its ends may change.
  const int pointPen = PointWidthFor(r) + (pointRings_ ? 2 : 0);
  const int reach = std::max(heat_.WidestPen(), pointPen) / 2 + 1;
  // Nothing but the edge's ends, the edges meeting there and the boundary reaches them, unless
  // the lattice points lie so close that the pens of their neighbours reach them too.
  const int more = spacing_ > 2 * reach + 2 ? 0 : 1;
  const QRect clip = area_.PixelBox(fromX, fromY, toX, toY, reach);
  const bool keepsPixels = visits == 1 || heat_.Width(visits) == heat_.Width(visits - 1);
  if (more == 0 && keepsPixels) {
    RaiseHeatEdge(fromX, fromY, toX, toY, visits, clip);
    return;
  }
  const PointRange around{
      std::max(-r, std::min(fromX, toX) - more),
      std::max(-r, std::min(fromY, toY) - more),
      std::min(r, std::max(fromX, toX) + more),
      std::min(r, std::max(fromY, toY) + more),
  };
  PaintHeat(around, clip);
}

// An edge that keeps its pixels changes only them: it goes over all that a redraw draws before
// it, and what comes after it goes over it again. Near its ends these are the edges it meets
// with more visits, the points at its ends, the home circle and the legend.
void LatticeView::RaiseHeatEdge(int fromX, int fromY, int toX, int toY, int visits,
                                const QRect& clip) {
  const int r = drawing_.radius;
  const int x = std::min(fromX, toX);
  const int y = std::min(fromY, toY);
  const bool vertical = fromX == toX;
  const HeatEdge edge{visits, x + r, y + r, vertical, x, y};
  std::vector<HeatEdge>& above = heatEdges_;
  above.clear();
  const auto meets = [&](bool otherVertical, int otherX, int otherY) {
    const int count = ShownCount(!otherVertical, otherX, otherY);
    const HeatEdge other{count - 1, otherX + r, otherY + r, otherVertical, otherX, otherY};
    if (count > 1 && edge.Key() < other.Key()) above.push_back(other);
  };
  // The two edges on its line and the four across its ends.
  const int endX = vertical ? x : x + 1;
  const int endY = vertical ? y + 1 : y;
  if (vertical) {
    meets(true, x, y - 1);
    meets(true, x, y + 1);
  } else {
    meets(false, x - 1, y);
    meets(false, x + 1, y);
  }
  for (const auto& [atX, atY] : {std::pair{x, y}, std::pair{endX, endY}}) {
    if (vertical) {
      meets(false, atX - 1, atY);
      meets(false, atX, atY);
    } else {
      meets(true, atX, atY - 1);
      meets(true, atX, atY);
    }
  }
  std::sort(above.begin(), above.end(),
            [](const HeatEdge& a, const HeatEdge& b) { return a.Key() < b.Key(); });
  above.insert(above.begin(), edge);

  area_.ClipTo(clip);
  for (const HeatEdge& e : above) DrawHeatEdge(e);
  RedrawPoint(x, y);
  RedrawPoint(endX, endY);
  DrawHeatTop(clip);
  area_.Unclip();
}

void LatticeView::PrepareHeatScale() {
  spacing_ = area_.ToPixel(1, 0).x() - area_.ToPixel(0, 0).x();
  const int widest = HeatPenWidthFor(spacing_);
  int most = 0;
  for (const EdgeVisits* counts : {&shownHorizontal_, &shownVertical_}) {
    for (const auto& column : *counts) {
      most = std::max(most, int{*std::max_element(column.begin(), column.end())} - 1);
    }
  }
  const int top = HeatTopFor(most);
  if (widest != heat_.WidestPen() || top != heat_.Top()) heat_ = HeatScale(widest, top);
  pointRings_ = widest > PointWidthFor(drawing_.radius);
  const double r = drawing_.radius;
  const int line = static_cast<int>(std::ceil(kBoundaryWidth * area_.devicePixelRatioF()));
  boundaryInside_ = area_.PixelBox(-r, -r, r, r, 0).adjusted(line, line, -line, -line);
  const int circleReach =
      static_cast<int>(std::ceil(kHomeCircleRadius * spacing_)) + kHomeRingWidth;
  homeCirclePixels_ = area_.PixelBox(0, 0, 0, 0, circleReach);
  if (style_ == TraceStyle::Heat) PrepareHeatLegend();
}

// In the bottom right corner, below the boundary line, where no trace reaches; on a view too
// small for it, it rises into the boundary line.
void LatticeView::PrepareHeatLegend() {
  const double r = drawing_.radius;
  const UserEdges edges = LatticeEdges(drawing_.radius);
  const QPointF corner = area_.ToPixel(edges.right, edges.bottom);
  const QPointF boundary = area_.ToPixel(r, r);
  const double unitX = area_.ToPixel(1, 0).x() - area_.ToPixel(0, 0).x();
  const double unitY = area_.ToPixel(0, 1).y() - area_.ToPixel(0, 0).y();
  legend_ = QImage();
  legendPixels_ = QRect();
  if (!(unitX > 0) || !(unitY > 0)) return;
  legend_ = HeatLegend(HeatLegendShapeFor(corner.y()), area_.devicePixelRatioF(), area_.font(),
                       PaletteColor(kInkColour), area_.BackColor(),
                       QCoreApplication::translate("LatticeView", "Besuche"), heat_.Top());
  const QSizeF size = legend_.deviceIndependentSize();
  // The boundary line's outer edge.
  const double left = boundary.x() + kBoundaryWidth / 2 - size.width();
  const double top = corner.y() - size.height() - 1;
  legendLeft_ = r + (left - boundary.x()) / unitX;
  legendTop_ = r + (top - boundary.y()) / unitY;
  legendPixels_ = area_.PixelBox(legendLeft_, legendTop_, legendLeft_ + size.width() / unitX,
                                 legendTop_ + size.height() / unitY, 1);
}

void LatticeView::PaintHeat(const PointRange& points, const std::optional<QRect>& clip) {
  if (clip) {
    area_.ClipTo(*clip);
    area_.FillClip();
  }
  if (!clip || !boundaryInside_.contains(*clip)) DrawBoundary();
  DrawPoints(points);
  DrawHeatEdges(points);
  for (int x = points.left; x <= points.right; ++x) {
    for (int y = points.top; y <= points.bottom; ++y) {
      if (IsWalkedPoint(x, y)) RedrawPoint(x, y);
    }
  }
  DrawHeatTop(clip);
  if (clip) area_.Unclip();
}

// What lies over all traces, where it meets the clip.
void LatticeView::DrawHeatTop(const std::optional<QRect>& clip) {
  if (drawing_.homeCircle && (!clip || clip->intersects(homeCirclePixels_))) DrawHomeCircle();
  if (!legend_.isNull() && (!clip || clip->intersects(legendPixels_))) {
    area_.DrawPicture(legendLeft_, legendTop_, legend_);
  }
}

// Every walked edge with an end among `points`.
void LatticeView::DrawHeatEdges(const PointRange& points) {
  const int r = drawing_.radius;
  std::vector<HeatEdge>& edges = heatEdges_;
  edges.clear();
  const auto note = [&](bool vertical, int x, int y) {
    if (const int count = ShownCount(!vertical, x, y); count > 1) {
      edges.push_back({count - 1, x + r, y + r, vertical, x, y});
    }
  };
  for (int x = points.left - 1; x <= points.right; ++x) {
    for (int y = points.top; y <= points.bottom; ++y) note(false, x, y);
  }
  for (int x = points.left; x <= points.right; ++x) {
    for (int y = points.top - 1; y <= points.bottom; ++y) note(true, x, y);
  }
  std::sort(edges.begin(), edges.end(),
            [](const HeatEdge& a, const HeatEdge& b) { return a.Key() < b.Key(); });
  for (const HeatEdge& e : edges) DrawHeatEdge(e);
}

void LatticeView::DrawHeatEdge(const HeatEdge& e) {
  area_.SetDrawWidth(heat_.Width(e.visits));
  area_.Line(e.x, e.y, e.vertical ? e.x : e.x + 1, e.vertical ? e.y + 1 : e.y,
             QColor(heat_.Colour(e.visits)));
}

bool LatticeView::IsWalkedPoint(int x, int y) const {
  return ShownCount(true, x - 1, y) > 1 || ShownCount(true, x, y) > 1 ||
         ShownCount(false, x, y - 1) > 1 || ShownCount(false, x, y) > 1;
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
  area_.PSet(x, y, QColor::fromRgb(colours_.point));
}

}  // namespace quirlweg
