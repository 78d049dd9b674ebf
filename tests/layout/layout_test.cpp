#include "layout/layout.h"

#include <gtest/gtest.h>

#include <array>
#include <set>
#include <string>

#include "layout/walk_changers.h"

namespace quirlweg {
namespace {

struct Expected {
  std::string_view name;
  double left, top, width, height;
  double fontSize;  // 0: the layout sets no font
};

struct ScreenCase {
  const char* label;
  double widthTwips, heightTwips;
  double scaleX, scaleY, fontScale;
  std::vector<Expected> rows;
};

// Four screens: the reference (factor 1), 1024 x 768 and 800 x 600 at 96 dpi (equal factors)
// and 1280 x 1024 at 96 dpi (different factors, the lattice view no longer square).
// clang-format off
const std::vector<ScreenCase>& Screens() {
  static const std::vector<ScreenCase> screens{
      {"reference 12288x9216", 12288, 9216, 1, 1, 1,
       {{"picAusgabe", 360, 440, 7852, 7852, 0},
        {"Text1(3)", 2000, 840, 600, 240, 10},
        {"hscRaster", 1000, 240, 1200, 260, 0}}},
      {"1024x768 at 96 dpi", 15360, 11520, 1.25, 1.25, 1.25,
       {{"picAusgabe", 450, 550, 9815, 9815, 0},
        {"Frame1", 10550, 400, 4315, 2865, 12.5},
        {"Text6", 2500, 7350, 5565, 2265, 15},
        {"cmdHome(0)", 975, 9075, 315, 315, 10},
        {"cmdAuswertung", 8390, 10350, 1875, 340, 10}}},
      {"1280x1024 at 96 dpi", 19200, 15360, 1.5625, 15360.0 / 9216, 1.5625,
       {{"picAusgabe", 562.5, 15360.0 / 9216 * 440, 12268.75, 15360.0 / 9216 * 7852, 0},
        {"Text6", 3125, 9800, 6956.25, 3020, 18.75}}},
      {"800x600 at 96 dpi", 12000, 9000, 0.9765625, 0.9765625, 0.9765625,
       {{"picAusgabe", 351.5625, 429.6875, 7667.96875, 7667.96875, 0},
        {"cmdHome(2)", 996.09375, 6855.46875, 246.09375, 246.09375, 7.8125}}},
  };
  return screens;
}
// clang-format on

TEST(ArrangeControls, FactorsAndRowsForFourScreens) {
  for (const ScreenCase& screen : Screens()) {
    SCOPED_TRACE(screen.label);
    const Arrangement a = ArrangeControls(screen.widthTwips, screen.heightTwips);
    EXPECT_DOUBLE_EQ(a.scaleX, screen.scaleX);
    EXPECT_DOUBLE_EQ(a.scaleY, screen.scaleY);
    EXPECT_DOUBLE_EQ(a.fontScale, screen.fontScale);
    for (const Expected& row : screen.rows) {
      SCOPED_TRACE(std::string(row.name));
      const ControlPlacement* placed = a.Find(row.name);
      ASSERT_NE(placed, nullptr);
      // Values travel in single precision: compare to a float's worth of digits.
      EXPECT_FLOAT_EQ(placed->left, row.left);
      EXPECT_FLOAT_EQ(placed->top, row.top);
      EXPECT_FLOAT_EQ(placed->width, row.width);
      EXPECT_FLOAT_EQ(placed->height, row.height);
      if (row.fontSize == 0) {
        EXPECT_FALSE(placed->fontSize.has_value());
      } else {
        ASSERT_TRUE(placed->fontSize.has_value());
        EXPECT_FLOAT_EQ(*placed->fontSize, row.fontSize);
      }
    }
  }
}

TEST(ArrangeControls, SeparatorLinesStretchPerAxis) {
  const Arrangement a = ArrangeControls(19200, 15360);
  const LinePlacement* line1 = a.FindLine("Line1");
  const LinePlacement* line2 = a.FindLine("Line2");
  ASSERT_NE(line1, nullptr);
  ASSERT_NE(line2, nullptr);
  EXPECT_FLOAT_EQ(line1->x1, 240 * 1.5625);
  EXPECT_FLOAT_EQ(line1->x2, 3280 * 1.5625);
  EXPECT_FLOAT_EQ(line1->y1, 620 * 15360.0 / 9216);
  EXPECT_EQ(line1->y1, line1->y2);
  EXPECT_FLOAT_EQ(line2->y1, 1600 * 15360.0 / 9216);
  EXPECT_EQ(line2->y1, line2->y2);
}

TEST(ArrangeControls, PlacesEveryControlOnceWithTheLatticeViewFirst) {
  const Arrangement a = ArrangeControls(12288, 9216);
  ASSERT_GE(a.controls.size(), kPlacedBeforeLattice);
  EXPECT_EQ(a.controls[0].name, "picSchritte");
  EXPECT_EQ(a.controls[1].name, "picAusgabe");
  std::set<std::string_view> names;
  for (const ControlPlacement& placed : a.controls) {
    EXPECT_TRUE(names.insert(placed.name).second) << placed.name;
    EXPECT_GT(placed.width, 0) << placed.name;
    EXPECT_GT(placed.height, 0) << placed.name;
  }
  // 22 single controls, the arrays 4 + 4 + 3 + 3 + 4 + 2 + 5 and the tempo control's three;
  // the walker picture and the end marker are placed in lattice units by the walk, never here.
  EXPECT_EQ(a.controls.size(), 22U + 25U + 3U);
  EXPECT_EQ(a.Find("Image4"), nullptr);
  EXPECT_EQ(a.Find("shpWippo2"), nullptr);
}

TEST(ArrangeControls, EvaluationButtonSitsInFreeSpaceOnEveryScreen) {
  // The controls placed in the window itself; the others sit inside the frames.
  const std::vector<std::string_view> windowLevel{"picSchritte",
                                                  "picAusgabe",
                                                  "Picture1",
                                                  "Text4",
                                                  "Text3",
                                                  "Text6",
                                                  "cmdHome(0)",
                                                  "cmdHome(1)",
                                                  "cmdHome(2)",
                                                  "cmdHome(3)",
                                                  "picRandtreffer(0)",
                                                  "picRandtreffer(1)",
                                                  "picRandtreffer(2)",
                                                  "picRandtreffer(3)",
                                                  "Frame1",
                                                  "frmSimulation",
                                                  "frmStatistik"};
  const auto rect = [](const ControlPlacement& p) {
    return std::array{p.left, p.top, p.left + p.width, p.top + p.height};
  };
  // 800 x 600 to 3840 x 2160 at 96 dpi, 15 twips a pixel.
  for (const auto& [width, height] : std::vector<std::pair<double, double>>{
           {800, 600}, {1024, 768}, {1920, 1080}, {3840, 2160}}) {
    SCOPED_TRACE(width);
    const Arrangement a = ArrangeControls(width * 15, height * 15);
    const auto button = rect(*a.Find("cmdAuswertung"));
    const auto view = rect(*a.Find("picAusgabe"));
    const auto note = rect(*a.Find("Text3"));
    EXPECT_FLOAT_EQ(button[2], view[2]);  // right edges flush
    EXPECT_EQ(button[1], note[1]);        // on Text3's row
    EXPECT_GT(button[0], note[2]);
    for (std::string_view name : windowLevel) {
      const auto other = rect(*a.Find(name));
      const bool apart = button[2] <= other[0] || other[2] <= button[0] || button[3] <= other[1] ||
                         other[3] <= button[1];
      // Like Text3 it only touches the lattice view's lower border line.
      if (name == "picAusgabe") {
        EXPECT_EQ(other[3] - button[1], view[3] - note[1]);
      } else {
        EXPECT_TRUE(apart) << name;
      }
    }
  }
}

TEST(ArrangeControls, FramesFillTheColumnBesideTheLatticeView) {
  const Arrangement a = ArrangeControls(12288, 9216);
  const ControlPlacement& view = *a.Find("picAusgabe");
  const ControlPlacement& settings = *a.Find("Frame1");
  const ControlPlacement& run = *a.Find("frmSimulation");
  const ControlPlacement& statistics = *a.Find("frmStatistik");
  EXPECT_EQ(settings.top + settings.height + 68, run.top);
  EXPECT_EQ(run.top + run.height + 108, statistics.top);
  EXPECT_EQ(statistics.top + statistics.height, view.top + view.height);
  EXPECT_GT(settings.left, view.left + view.width);
}

// Both editions find the controls a paced run disables by their layout names: a name missing
// from the table would leave its control enabled under the run.
TEST(ArrangeControls, EveryControlAPacedRunDisablesIsPlaced) {
  const Arrangement a = ArrangeControls(kRefScreenWidth, kRefScreenHeight);
  for (const std::string_view name : kWalkChangers) EXPECT_NE(a.Find(name), nullptr) << name;
}

}  // namespace
}  // namespace quirlweg
