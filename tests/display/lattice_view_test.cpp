#include "display/lattice_view.h"

#include <gtest/gtest.h>

#include "display/palette.h"
#include "display_rig.h"
#include "pixel_probe.h"

namespace quirlweg::testing {
namespace {

TEST(LatticeViewTest, DrawsBoundaryPointsAndHomeCircleByRadius) {
  const struct {
    int radius;
    bool homeCircle;
    int pointWidth, dotPixels, widthAfter;
  } cases[] = {{2, true, 4, 12, 1},  {4, false, 4, 12, 4}, {5, true, 3, 9, 1},
               {14, false, 3, 9, 3}, {15, false, 2, 4, 2}, {24, true, 2, 4, 1},
               {25, true, 1, 1, 1},  {50, false, 1, 1, 1}};
  DisplayRig rig;
  const PictureArea& area = *rig.lattice;
  for (const auto& c : cases) {
    SCOPED_TRACE(::testing::Message() << "R = " << c.radius << ", circle " << c.homeCircle);
    const double r = c.radius;
    const double half = c.radius / 2;  // a point clear of the square and the circle
    rig.view.DrawLattice(LatticeDrawing{c.radius, 0.8, 1, -1, c.homeCircle});
    const QImage image = rig.lattice->Snapshot();

    EXPECT_EQ(area.ToPixel(-1.1 * r, -1.06 * r), QPointF(0, 0));
    // Every point, the boundary ones over the square too, as a dot of the point width.
    const int points = (2 * c.radius + 1) * (2 * c.radius + 1);
    if (!c.homeCircle) {
      EXPECT_EQ(CountPixels(image, PaletteColor(3)), points * c.dotPixels);
    }
    EXPECT_EQ(RunThrough(image, PixelAt(area, half, half), {1, 0}, PaletteColor(3)), c.pointWidth);
    EXPECT_EQ(image.pixelColor(PixelAt(area, r, -r)), PaletteColor(3));
    // The boundary square: 10 pixels wide on every side, not filled.
    for (const QPointF side : {QPointF(r, 0.5), QPointF(-r, -0.5)}) {
      EXPECT_EQ(RunThrough(image, PixelAt(area, side.x(), side.y()), {1, 0}, PaletteColor(14)), 10);
      EXPECT_EQ(RunThrough(image, PixelAt(area, side.y(), side.x()), {0, 1}, PaletteColor(14)), 10);
    }
    EXPECT_EQ(image.pixelColor(PixelAt(area, half + 0.5, half + 0.5)), kLatticeBack);
    EXPECT_EQ(image.pixelColor(PixelAt(area, 1.05 * r, 0)), kLatticeBack);
    // The home circle, on the origin however far the start point lies from it.
    EXPECT_EQ(CountPixels(image, PaletteColor(15)) > 0, c.homeCircle);
    EXPECT_EQ(image.pixelColor(PixelAt(area, 0.5, 0)) == PaletteColor(9), c.homeCircle);
    EXPECT_EQ(area.DrawWidth(), c.widthAfter);
    // The walker picture on the start point (1, -1).
    const QRect walker = area.ChildPixelRect(rig.walker);
    EXPECT_EQ(walker.topLeft(), PixelAt(area, 0.6, -1.4));
    EXPECT_EQ(walker.bottomRight() + QPoint(1, 1), PixelAt(area, 1.4, -0.6));
  }
}

// Each segment is as wide as asked, drawn over the earlier ones, and the pen keeps its width
// for the point plotted after it; clearing wipes every trace.
TEST(LatticeViewTest, TracesInTheirWidths) {
  const struct {
    QPoint from, to;
    int width;
    QPointF probe;  // the middle of the edge
    int thickness;  // of the trace there after this segment
  } segments[] = {
      {{0, 0}, {1, 0}, 1, {0.5, 0}, 1}, {{1, 0}, {0, 0}, 2, {0.5, 0}, 2},
      {{0, 0}, {1, 0}, 3, {0.5, 0}, 3}, {{1, 0}, {1, 1}, 2, {1, 0.5}, 2},
      {{1, 1}, {1, 0}, 1, {1, 0.5}, 2},
  };
  DisplayRig rig;
  rig.view.DrawLattice(LatticeDrawing{5, 0.6, 0, 0, false});
  for (const auto& s : segments) {
    rig.view.DrawTraceSegment(s.from.x(), s.from.y(), s.to.x(), s.to.y(), s.width);
    rig.view.PlotPoint(s.to.x(), s.to.y());
    const QImage image = rig.lattice->Snapshot();
    const QPoint across = s.from.y() == s.to.y() ? QPoint(0, 1) : QPoint(1, 0);
    const QPoint probe = PixelAt(*rig.lattice, s.probe.x(), s.probe.y());
    EXPECT_EQ(RunThrough(image, probe, across, kTraceInk), s.thickness) << s.width;
    EXPECT_EQ(rig.lattice->DrawWidth(), s.width);
  }
  rig.view.ClearTraces(LatticeDrawing{5, 0.6, 0, 0, false});
  EXPECT_EQ(CountPixels(rig.lattice->Snapshot(), kTraceInk), 0);
}

}  // namespace
}  // namespace quirlweg::testing
