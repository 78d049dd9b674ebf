#include <gtest/gtest.h>

#include <array>
#include <cstdlib>
#include <string>
#include <utility>

#include "engine/walk.h"
#include "engine_fakes.h"

namespace quirlweg {
namespace {

using namespace quirlweg::testing;

TEST(RunModes, JourneyCompletesWhatSingleStepsBegan) {
  Rig rig;
  rig.settings.setting.radius = rig.s().gridRadius = 2;
  AddSteps(rig.source, {kRight, kRight, kUp, kRight, kLeft, kUp});
  rig.walk.Start();  // one whole journey: right, right
  rig.settings.mode = RunMode::Step;
  for (int i = 0; i < 3; ++i) rig.walk.Start();  // from the start point again
  EXPECT_EQ(rig.s().stepCount, 3);
  EXPECT_EQ(rig.s().posX, 0);
  EXPECT_EQ(rig.s().posY, -1);
  rig.walk.ResetCounters();  // does not shorten the running journey
  rig.settings.mode = RunMode::Journey;
  rig.walk.Start();
  EXPECT_EQ(rig.sink.protocol, std::string(kProtocolHeader) + "\r\n   1,      4   ( 0, 2, 0)");
  EXPECT_EQ(rig.source.Left(), 0U);
}

TEST(RunModes, TwentyJourneysLeaveTheWalkerPictureAlone) {
  Rig rig;
  rig.settings.setting.radius = rig.s().gridRadius = 2;
  rig.settings.mode = RunMode::TwentyJourneys;
  for (int i = 0; i < 10; ++i) AddSteps(rig.source, {kRight, kLeft, kUp, kUp});  // home, top
  rig.sink.walkerLeft = rig.sink.walkerTop = 42;
  rig.walk.Start();
  EXPECT_EQ(rig.s().journeyCount, 20);
  EXPECT_EQ(rig.s().journeyIndex, 21);
  EXPECT_TRUE(rig.s().batchMode);
  EXPECT_EQ(rig.sink.Box(CountBox::Home), " 10");
  EXPECT_EQ(rig.sink.Box(CountBox::Boundary), " 10");
  EXPECT_EQ(rig.sink.stepsTaken, 40);
  EXPECT_EQ(rig.sink.CountOf("walker placed"), 0U);
  EXPECT_EQ(rig.sink.CountOf("walker to front"), 10U);
  EXPECT_DOUBLE_EQ(rig.sink.walkerLeft, 42);

  // One journey afterwards moves the picture with the walker again.
  rig.settings.mode = RunMode::Journey;
  AddSteps(rig.source, {kDown, kUp});
  rig.walk.Start();
  EXPECT_FALSE(rig.s().batchMode);
  EXPECT_EQ(rig.sink.CountOf("walker placed"), 3U);  // two steps and the home end
  EXPECT_DOUBLE_EQ(rig.sink.walkerLeft, -0.3);
}

TEST(StartPoint, ButtonsMoveWithinTheBoundary) {
  struct Case {
    int r, x, y, z;
    std::int16_t button;
    int clicks;
    int endX, endY;
  };
  const Case cases[] = {
      {5, 4, 0, 0, 1, 1, 4, 0},   {5, 0, 0, 0, 0, 4, -4, 0},   {5, 0, 0, 0, 0, 6, -4, 0},
      {5, -4, 0, 0, 0, 1, -4, 0}, {3, 0, 0, 0, 2, 5, 0, -2},   {3, 0, 1, 0, 3, 5, 0, 2},
      {2, 0, 0, 0, 1, 3, 1, 0},   {50, 0, 0, 0, 1, 60, 49, 0}, {5, 1, 2, 1, 1, 1, 2, 2},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(::testing::Message() << "R " << c.r << " button " << c.button);
    Rig rig;
    rig.settings.setting.radius = rig.s().gridRadius = c.r;
    rig.PutWalker(c.x, c.y, c.z);
    rig.s().stepCount = 3;
    for (int i = 0; i < c.clicks; ++i) rig.walk.MoveStartPoint(static_cast<Direction>(c.button));
    const WalkState& s = rig.s();
    EXPECT_EQ(s.posX, c.endX);
    EXPECT_EQ(s.posY, c.endY);
    EXPECT_EQ((std::array{s.homeX, s.homeY}), (std::array{c.endX, c.endY}));
    EXPECT_EQ((std::array{s.prevX, s.prevY, s.prevZ}), (std::array{c.endX, c.endY, c.z}));
    EXPECT_EQ(s.stepCount, 3);
    EXPECT_EQ(rig.sink.coordinates, CoordinateText(c.endX, -c.endY, c.z));
    EXPECT_EQ(rig.sink.walkerVisible, c.z == 0);
    EXPECT_DOUBLE_EQ(rig.sink.walkerLeft, c.endX - 0.3);
    EXPECT_DOUBLE_EQ(rig.sink.walkerTop, c.endY - 0.3);
  }
}

TEST(StartPoint, SwitchingAbsorptionRestartsOnAFreshLattice) {
  Rig rig;
  rig.s().homeX = 1;
  rig.PutWalker(2, 1, 1);
  rig.s().stepCount = 3;
  rig.s().hEdgeVisits[3][4] = 9;
  rig.sink.Box(CountBox::Home) = " 4";
  rig.settings.setting.homeAbsorbs = false;
  rig.walk.SwitchHomeAbsorption();
  const WalkState& s = rig.s();
  EXPECT_EQ((std::array{s.posX, s.posY, s.posZ}), (std::array{1, 0, 0}));
  EXPECT_EQ((std::array{s.prevX, s.prevY, s.prevZ}), (std::array{1, 0, 0}));
  EXPECT_EQ(s.stepCount, 3);
  EXPECT_EQ(s.hEdgeVisits, FreshEdgeVisits());
  EXPECT_EQ(rig.sink.Box(CountBox::Home), " 4");
  EXPECT_LT(rig.sink.IndexOf("clear traces"), rig.sink.IndexOf("draw lattice"));
  EXPECT_FALSE(rig.sink.lattice.homeCircle);
  EXPECT_EQ(rig.sink.lattice.homeX, 1);
}

// A paced run takes the same journeys as a run at full speed, only step by step: the same
// protocol and counts for the same random numbers, in both run modes.
TEST(RunModes, StepwiseRunTakesTheSameJourneysAsStart) {
  for (const RunMode mode : {RunMode::Journey, RunMode::TwentyJourneys}) {
    SCOPED_TRACE(static_cast<int>(mode));
    const auto run = [mode](bool stepwise) {
      FixedSettings settings;
      settings.mode = mode;
      RecordingSink sink;
      GeneratorSource source(Xoshiro128(7));
      Walk walk(sink, sink, sink, settings, source);
      if (!stepwise) {
        walk.Start();
      } else if (walk.BeginStepwiseRun()) {
        while (walk.ContinueStepwiseRun()) {
        }
      }
      return std::pair{sink.protocol, walk.state().lengthSum};
    };
    EXPECT_EQ(run(true), run(false));
  }
}

// A new dimension mid-journey: the next segment starts at the origin, not where the walker
// stood before.
TEST(StartPoint, DimensionChangeStartsTheNextSegmentAtTheOrigin) {
  Rig rig;
  rig.settings.setting.homeAbsorbs = false;
  rig.s().homeX = rig.s().homeY = 2;
  rig.PutWalker(3, 1);
  rig.walk.MoveStartToOrigin();
  AddSteps(rig.source, {kRight});
  rig.walk.DoStep();
  EXPECT_EQ(rig.sink.CountOf("segment 0,0-1,0 w1"), 1U);
}

// A smaller lattice pulls the start point inside its boundary, so every journey can still end
// and every edge index stays in range.
TEST(LatticeSize, ChangeKeepsTheStartPointInsideAndClearsEverything) {
  struct Case {
    int homeX, homeY, r;
    int endHomeX, endHomeY;
    double walkerSize;
  };
  const Case cases[] = {
      {4, -4, 2, 1, -1, 0.6},  {-9, 9, 3, -2, 2, 0.6}, {3, 0, 16, 3, 0, 0.64},
      {2, -2, 20, 2, -2, 0.8}, {0, 0, 50, 0, 0, 2.0},  {-1, 1, 15, -1, 1, 0.6},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(::testing::Message() << "R " << c.r);
    Rig rig;
    rig.s().homeX = c.homeX;
    rig.s().homeY = c.homeY;
    rig.PutWalker(1, 1, 2);
    rig.s().stepCount = 7;
    rig.s().journeyCount = 5;
    rig.s().hitsLeft = 3;
    rig.s().vEdgeVisits[5][5] = 3;
    rig.settings.setting.radius = c.r;
    rig.walk.ChangeLatticeSize();
    const WalkState& s = rig.s();
    EXPECT_EQ(s.gridRadius, c.r);
    EXPECT_EQ((std::array{s.homeX, s.homeY}), (std::array{c.endHomeX, c.endHomeY}));
    EXPECT_EQ((std::array{s.posX, s.posY, s.posZ}), (std::array{c.endHomeX, c.endHomeY, 0}));
    EXPECT_EQ((std::array{s.prevX, s.prevY, s.prevZ}), (std::array{c.endHomeX, c.endHomeY, 0}));
    EXPECT_EQ(s.stepCount, 0);
    EXPECT_EQ(s.journeyCount, 0);
    EXPECT_EQ(s.hitsLeft, 0);
    EXPECT_EQ(s.vEdgeVisits, FreshEdgeVisits());
    EXPECT_DOUBLE_EQ(s.walkerSize, c.walkerSize);
    EXPECT_FLOAT_EQ(static_cast<float>(rig.sink.walkerSize), static_cast<float>(c.walkerSize));
    EXPECT_EQ(rig.sink.lattice.radius, c.r);
    EXPECT_EQ(rig.sink.lattice.homeX, c.endHomeX);
    EXPECT_LT(rig.sink.IndexOf("marker hidden"), rig.sink.IndexOf("walker sized"));
    EXPECT_LT(rig.sink.IndexOf("walker sized"), rig.sink.IndexOf("clear traces"));
    EXPECT_LT(rig.sink.IndexOf("clear traces"), rig.sink.IndexOf("reset counters"));
    // The new lattice is drawn once, by clearing the traces.
    EXPECT_EQ(rig.sink.CountOf("clear traces"), 1U);
    EXPECT_EQ(rig.sink.CountOf("draw lattice"), 0U);

    // One step outward from a start point pulled in ends the journey on the boundary.
    rig.settings.setting.homeAbsorbs = false;
    AddSteps(rig.source, {c.endHomeY > 0 ? kDown : kUp});
    rig.walk.DoStep();
    EXPECT_EQ(rig.s().journeyCount, std::abs(c.endHomeY) == c.r - 1 ? 1 : 0);
  }
}

}  // namespace
}  // namespace quirlweg
