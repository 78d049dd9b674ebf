#pragma once

#include <QImage>
#include <QRect>
#include <optional>
#include <tuple>
#include <vector>

#include "display/heat_scale.h"
#include "engine/display_roles.h"
#include "engine/walk_state.h"
#include "picture/trace_style.h"

namespace quirlweg {

class PictureArea;
class ImageControl;
class ShapeControl;

// How traces show an edge's visits: ever thicker in the foreground colour, or by heat colour at
// a width that stays well below the lattice spacing.
enum class TraceStyle { Classic, Heat };

// The lattice view: the lattice, the traces, the walker picture and the end marker, all in
// lattice units (y downward). The walker and the marker must be children of the area.
class LatticeView final : public LatticeDisplay {
 public:
  LatticeView(PictureArea& area, ImageControl& walker, ShapeControl& marker);

  // Scales the area to the lattice, wipes it, centres the walker on the start point and draws
  // the boundary square, the lattice points and, when asked, the home circle.
  void DrawLattice(const LatticeDrawing& lattice) override;
  void ClearTraces(const LatticeDrawing& lattice) override;
  // One trace segment in the area's foreground colour; `width` stays the area's pen width.
  void DrawTraceSegment(int fromX, int fromY, int toX, int toY, int width) override;
  // A dot in the area's current pen width and foreground colour.
  void PlotPoint(int x, int y) override;

  // Takes effect with the next drawing; RedrawTraces shows the traces drawn so far anew.
  void SetTraceStyle(TraceStyle style) { style_ = style; }
  // The picture's colours from the next drawing on; the ground changes at once.
  void SetColours(const LatticeColours& colours);
  TraceStyle Style() const { return style_; }
  // Draws the lattice last drawn afresh and every walked edge of the plane z = 0 from the walk's
  // visit counts (see WalkState), in the current style; the walker stays where it stands. Heat
  // traces drawn step by step look exactly like this redraw from the counts they were drawn
  // with.
  void RedrawTraces(const EdgeVisits& horizontal, const EdgeVisits& vertical);

  void SetWalkerVisible(bool visible) override;
  void PlaceWalker(double left, double top) override;
  void SizeWalker(double size) override;
  void WalkerToFront() override;
  void HideEndMarker() override;
  void ShowEndMarker(double left, double top, double width, double height) override;

 private:
  // Lattice points from (left, top) to (right, bottom), both included.
  struct PointRange {
    int left, top, right, bottom;
  };
  struct HeatEdge {
    int visits;
    int i, j;  // edge indices, as the counts have them
    bool vertical;
    int x, y;  // the end with the smaller coordinates

    // The order of a redraw of the whole: by visits, then as the counts are stored.
    auto Key() const { return std::tie(visits, i, j, vertical); }
  };

  // Scale, wipe, boundary, points, traces from the counts shown, in the current style.
  void DrawShownTraces();
  void DrawBoundary();
  // The points go over the boundary square, the boundary points included.
  void DrawPoints(const PointRange& points);
  void DrawHomeCircle();
  void DrawClassicTraces();
  // The counts the picture shows, kept as the walk draws.
  void NoteVisit(int fromX, int fromY, int toX, int toY, int visits);

  // Heat traces (lattice_view_heat.cpp). A visit that changes how its edge looks draws the
  // part of the picture around the edge again, in the order of a redraw.
  void ShowHeatVisit(int fromX, int fromY, int toX, int toY, int visits);
  void RaiseHeatEdge(int fromX, int fromY, int toX, int toY, int visits, const QRect& clip);
  void PrepareHeatScale();
  void PrepareHeatLegend();
  // The heat picture of `points`: the bare lattice, their walked edges least visited first,
  // the points at their ends again, the home circle and the legend, within `clip` (image
  // pixels) or, without one, over a picture just wiped.
  void PaintHeat(const PointRange& points, const std::optional<QRect>& clip);
  void DrawHeatEdges(const PointRange& points);
  void DrawHeatEdge(const HeatEdge& edge);
  void DrawHeatTop(const std::optional<QRect>& clip);
  // A lattice point drawn again over the heat traces, inside the boundary with a ring of
  // background around it where traces are wider than the point.
  void RedrawPoint(int x, int y);
  bool IsWalkedPoint(int x, int y) const;
  int ShownCount(bool horizontal, int x, int y) const;
  PointRange AllPoints() const;

  PictureArea& area_;
  ImageControl& walker_;
  ShapeControl& marker_;
  double walkerLeft_ = -0.3;
  double walkerTop_ = -0.3;
  double walkerSize_ = 0.6;
  LatticeDrawing drawing_;
  TraceStyle style_ = TraceStyle::Classic;
  LatticeColours colours_ = ClassicColours();
  HeatScale heat_;
  bool pointRings_ = false;
  double spacing_ = 1;    // pixels between neighbouring points
  QRect boundaryInside_;  // image pixels the boundary line leaves alone
  QRect homeCirclePixels_;
  std::vector<HeatEdge> heatEdges_;  // reused from visit to visit
  QImage legend_;
  QRect legendPixels_;  // where the legend goes, image pixels
  double legendLeft_ = 0;
  double legendTop_ = 0;
  std::optional<int> walkWidth_;  // the pen width the walk asked for last
  EdgeVisits shownHorizontal_ = FreshEdgeVisits();
  EdgeVisits shownVertical_ = FreshEdgeVisits();
};

}  // namespace quirlweg
