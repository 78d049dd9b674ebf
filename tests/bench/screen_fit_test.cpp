// With the evaluation open the back row reads both windows on every projector's screen: texts
// and figures large enough, both windows on the screen, nothing to scroll sideways, the
// lattice view square, no band left empty. In three dimensions the evaluation's table is at
// its tallest; a 5:4 screen is taller than the arrangement's proportions.

#include <gtest/gtest.h>

#include <algorithm>

#include "window_mode.h"

namespace quirlweg::bench {
namespace {

TEST(ScreenFit, BothWindowsReadableOnProjectorScreens) {
  struct Screen {
    int width;
    int height;
  };
  for (const Screen screen :
       {Screen{1024, 768}, Screen{1280, 800}, Screen{1920, 1080}, Screen{1280, 1024}}) {
    BenchOptions options;
    options.mode = Mode::Window;
    options.dimension = 3;
    options.radius = 6;
    options.journeys = 40;
    options.evaluation = true;
    options.screenWidth = screen.width;
    options.screenHeight = screen.height;
    const WindowRun run = RunWindowMode(options);
    ASSERT_TRUE(run.screenFit);
    const ScreenFit& fit = *run.screenFit;
    // Texts grow with the screen from 12 pixels, figures from 14, at 1024 x 768.
    const double scale = std::min(screen.width / 1024.0, screen.height / 768.0);
    const auto at = testing::Message() << screen.width << "x" << screen.height;
    EXPECT_GE(fit.smallestTextPixels, 12 * scale - 0.05) << at << " " << fit.smallestTextControl;
    EXPECT_GE(fit.smallestFigurePixels, 14 * scale - 0.05)
        << at << " " << fit.smallestFigureControl;
    EXPECT_TRUE(fit.insideScreen) << at;
    EXPECT_FALSE(fit.scrollsSideways) << at;
    EXPECT_NEAR(fit.latticeAspect, 1.0, 0.01) << at;
    EXPECT_LE(fit.emptyBelowPixels, screen.height / 10) << at;
  }
}

}  // namespace
}  // namespace quirlweg::bench
