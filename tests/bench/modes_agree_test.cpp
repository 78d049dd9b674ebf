// The same seed gives the same journeys whatever walkbench drives: the display and window
// modes must count exactly what the engine mode counts, through the restart after 1001
// journeys and its notice, which the window mode must close by itself.

#include <gtest/gtest.h>

#include "display_mode.h"
#include "engine_mode.h"
#include "window_mode.h"

namespace quirlweg::bench {
namespace {

void ExpectSameTotals(const JourneyTally& got, const JourneyTally& want, const char* mode) {
  SCOPED_TRACE(mode);
  EXPECT_EQ(got.home, want.home);
  EXPECT_EQ(got.boundary, want.boundary);
  EXPECT_EQ(got.top, want.top);
  EXPECT_EQ(got.right, want.right);
  EXPECT_EQ(got.bottom, want.bottom);
  EXPECT_EQ(got.left, want.left);
  EXPECT_EQ(got.z, want.z);
  EXPECT_EQ(got.steps, want.steps);
}

TEST(ModesAgree, DisplayAndWindowCountWhatTheEngineCounts) {
  struct Case {
    int dimension;
    int radius;
    bool home;
    int startX;
    int startY;
    std::int64_t journeys;
  };
  const Case cases[] = {
      {3, 3, true, 1, -1, 1013},  // past one restart, the rest "Reise" by "Reise"
      {2, 4, false, -2, 3, 60},
      {1, 3, true, 0, 0, 47},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(::testing::Message() << c.dimension << "D R " << c.radius);
    BenchOptions options;
    options.dimension = c.dimension;
    options.radius = c.radius;
    options.rightProbability = 40;
    options.home = c.home;
    options.startX = c.startX;
    options.startY = c.startY;
    options.journeys = c.journeys;
    options.seed = 5;
    const JourneyTally engine = RunEngineMode(options);
    ASSERT_EQ(engine.journeys(), c.journeys);

    options.mode = Mode::Display;
    ExpectSameTotals(RunDisplayMode(options, QSize(300, 300)).tally, engine, "display");
    options.mode = Mode::Window;
    const TimedRun window = RunWindowMode(options);
    ExpectSameTotals(window.tally, engine, "window");
    EXPECT_GE(window.frames.value_or(0), 1);
  }
}

}  // namespace
}  // namespace quirlweg::bench
