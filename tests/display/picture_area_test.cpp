#include "display/picture_area.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <limits>
#include <optional>

#include "pixel_probe.h"

namespace quirlweg::testing {
namespace {

const QColor kBack(224, 224, 224);
const QColor kInk(0, 0, 0);

class PictureAreaTest : public ::testing::Test {
 protected:
  PictureAreaTest() : area(*new PictureArea(&window)) {
    area.SetFlatBorder(false);
    area.resize(400, 200);
    area.SetBackColor(kBack);
    area.SetForeColor(kInk);
  }
  QWidget window;
  PictureArea& area;
};

TEST_F(PictureAreaTest, MapsUserPointsToPixels) {
  const QRectF lattice(QPointF(-2.2, -2.12), QPointF(2.2, 2.12));
  const struct {
    const char* name;
    std::optional<QRectF> scale;  // left, top, right, bottom edges
    QPointF user, pixel;
    QPointF inches;  // further pixels: these times the logical dpi
  } cases[] = {
      {"twips origin", std::nullopt, {0, 0}, {0, 0}, {0, 0}},
      {"twips, two inches and one", std::nullopt, {2880, 1440}, {0, 0}, {2, 1}},
      {"lattice top-left", lattice, {-2.2, -2.12}, {0, 0}, {0, 0}},
      {"lattice bottom-right", lattice, {2.2, 2.12}, {400, 200}, {0, 0}},
      {"lattice centre", lattice, {0, 0}, {200, 100}, {0, 0}},
      {"y growing upward", QRectF(QPointF(0, 10), QPointF(10, 0)), {10, 0}, {400, 200}, {0, 0}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    if (c.scale) area.Scale(c.scale->left(), c.scale->top(), c.scale->right(), c.scale->bottom());
    const QPointF got = area.ToPixel(c.user.x(), c.user.y());
    EXPECT_NEAR(got.x(), c.pixel.x() + c.inches.x() * area.logicalDpiX(), 1e-9);
    EXPECT_NEAR(got.y(), c.pixel.y() + c.inches.y() * area.logicalDpiY(), 1e-9);
  }
}

// Degenerate scales, NaN, infinite and huge values neither crash nor scribble over the drawing.
TEST_F(PictureAreaTest, OutlandishInputStaysOffTheDrawing) {
  const double nan = std::numeric_limits<double>::quiet_NaN();
  const double inf = std::numeric_limits<double>::infinity();
  const struct {
    const char* name;
    QRectF scale;
    QPointF a, b;
    int width;
  } cases[] = {
      {"equal edges", QRectF(QPointF(1, 1), QPointF(1, 1)), {-5, 3}, {-5, 3}, 1},
      {"not a number", QRectF(0, 0, 40, 20), {nan, nan}, {nan, 3}, 3},
      {"infinitely far", QRectF(0, 0, 40, 20), {-inf, 1e300}, {inf, 1e300}, 2},
      {"huge pen far away", QRectF(0, 0, 40, 20), {1e9, 1e9}, {1e9, -1e9}, 1 << 30},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    area.Cls();
    area.Scale(c.scale.left(), c.scale.top(), c.scale.right(), c.scale.bottom());
    area.SetDrawWidth(c.width);
    area.Line(c.a.x(), c.a.y(), c.b.x(), c.b.y());
    area.PSet(c.b.x(), c.b.y());
    area.Circle(c.a.x(), c.a.y(), c.b.y(), kInk);
    // Equal edges put everything on the first pixel; the rest lands far off the drawing.
    const QImage image = area.Snapshot();
    EXPECT_EQ(CountPixels(image.copy(3, 0, 397, 200), kBack), 397 * 200);
    EXPECT_EQ(CountPixels(image.copy(0, 3, 3, 197), kBack), 3 * 197);
  }
}

TEST_F(PictureAreaTest, DrawingSurvivesHidingAndKeepsWhatFitsOnResize) {
  window.show();
  area.PSet(150, 150);  // twips
  const QPoint dot = PixelAt(area, 150, 150);
  area.hide();
  area.show();
  QApplication::processEvents();
  EXPECT_EQ(area.grab().toImage().pixelColor(dot), kInk);

  area.resize(500, 300);  // growing keeps the drawing and fills the new part
  EXPECT_EQ(area.Snapshot().pixelColor(dot), kInk);
  EXPECT_EQ(area.Snapshot().pixelColor(450, 250), kBack);
  area.resize(5, 5);  // the dot no longer fits and stays gone when the area grows again
  area.resize(500, 300);
  EXPECT_EQ(area.Snapshot().pixelColor(dot), kBack);
}

// Kept lines look as if drawn at once: each in the font and colour of its own Print.
TEST_F(PictureAreaTest, PrintedTextLooksTheSameHoweverItIsKept) {
  PictureArea eager;
  eager.SetFlatBorder(false);
  eager.resize(area.size());
  eager.SetBackColor(kBack);
  eager.SetForeColor(kInk);
  QFont font = area.font();
  for (const int points : {8, 14}) {
    font.setPointSize(points);
    for (PictureArea* a : {&area, &eager}) a->setFont(font);
    area.PrintLater([] { return std::string("( 3 ,-2 , 0 )"); });
    eager.Print("( 3 ,-2 , 0 )");
    (void)eager.Snapshot();
  }
  for (PictureArea* a : {&area, &eager}) a->SetForeColor(QColor(0, 0, 255));
  area.Print("L\u00e4nge");
  eager.Print("L\u00e4nge");
  EXPECT_GT(CountPixels(eager.Snapshot(), kInk), 0);
  EXPECT_EQ(area.Snapshot(), eager.Snapshot());
}

// Children follow their user units through Scale; on screen they move once events are handled.
TEST_F(PictureAreaTest, ChildrenKeepTheirPlaceInUserUnits) {
  auto* child = new QWidget(&area);
  for (const bool onScreen : {false, true}) {
    SCOPED_TRACE(onScreen ? "on screen" : "off screen");
    window.setVisible(onScreen);
    area.Scale(-2, -1, 2, 1);
    const QRectF units = onScreen ? QRectF(0.5, 0.25, 0.5, 0.5) : QRectF(-0.5, -0.25, 1, 0.5);
    area.PlaceChild(child, units.left(), units.top(), units.width(), units.height());
    const QRect want(PixelAt(area, units.left(), units.top()),
                     PixelAt(area, units.right(), units.bottom()) - QPoint(1, 1));
    EXPECT_EQ(area.ChildPixelRect(child), want);
    QApplication::processEvents();
    EXPECT_EQ(child->geometry(), want);
    area.Scale(0, 0, 4, 2);
    EXPECT_EQ(child->geometry().topLeft(), PixelAt(area, units.left(), units.top()));
  }
}

}  // namespace
}  // namespace quirlweg::testing
