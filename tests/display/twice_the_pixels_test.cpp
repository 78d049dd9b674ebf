// The drawing on a screen with two pixels to every device-independent one: the same picture,
// drawn at the screen's resolution. A program of its own, as the ratio is set for the whole
// application before it starts.

#include <gtest/gtest.h>

#include <QApplication>
#include <QFontMetrics>
#include <algorithm>

#include "display/picture_area.h"
#include "pixel_probe.h"

namespace quirlweg::testing {
namespace {

const QColor kBack(224, 224, 224);
const QColor kInk(0, 0, 0);

// Rows holding any pixel other than the back colour.
int InkHeight(const QImage& image) {
  int top = image.height();
  int bottom = -1;
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) {
      if (image.pixelColor(x, y) == kBack) continue;
      top = std::min(top, y);
      bottom = std::max(bottom, y);
    }
  }
  return bottom - top + 1;
}

TEST(TwiceThePixels, PensAndTextKeepTheirSizeInTheFinerImage) {
  PictureArea area;
  area.SetFlatBorder(false);
  area.resize(200, 100);
  area.SetBackColor(kBack);
  area.SetForeColor(kInk);
  area.Scale(0, 0, 20, 10);
  ASSERT_EQ(area.Snapshot().devicePixelRatio(), 2.0);
  ASSERT_EQ(area.Snapshot().size(), QSize(400, 200));

  area.SetDrawWidth(1);
  area.Line(2, 2, 8, 2);
  area.SetDrawWidth(4);
  area.PSet(15, 5);
  const QImage image = area.Snapshot();
  const auto device = [&](double x, double y) { return PixelAt(area, x, y) * 2; };
  EXPECT_EQ(RunThrough(image, device(5, 2), QPoint(0, 1), kInk), 2);
  EXPECT_EQ(RunThrough(image, device(15, 5), QPoint(1, 0), kInk), 8);

  // Glyphs rendered at the image's resolution stand twice as many pixels high.
  area.Cls();
  area.Print("Schritte: 1234");
  const int logicalHeight = QFontMetrics(area.font()).tightBoundingRect("Schritte: 1234").height();
  EXPECT_NEAR(InkHeight(area.Snapshot()), 2 * logicalHeight, 3);
}

}  // namespace
}  // namespace quirlweg::testing

int main(int argc, char* argv[]) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  qputenv("QT_SCALE_FACTOR", "2");
  QApplication app(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
