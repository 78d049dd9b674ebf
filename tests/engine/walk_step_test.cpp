#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

#include "engine/walk.h"
#include "engine_fakes.h"

namespace quirlweg {
namespace {

using namespace quirlweg::testing;

TEST(Step, DirectionRules) {
  struct Case {
    const char* name;
    int dimension;
    double rightProbability;
    std::vector<float> numbers;
    int dx, dy, dz;
  };
  const Case cases[] = {
      {"3D right", 3, .5, {DirectionU(kRight)}, 1, 0, 0},
      {"3D left", 3, .5, {DirectionU(kLeft)}, -1, 0, 0},
      {"3D up is y-1", 3, .5, {DirectionU(kUp)}, 0, -1, 0},
      {"3D down is y+1", 3, .5, {DirectionU(kDown)}, 0, 1, 0},
      {"3D direction 4 is z-1", 3, .5, {DirectionU(kZDown)}, 0, 0, -1},
      {"3D direction 5 is z+1", 3, .5, {DirectionU(kZUp)}, 0, 0, 1},
      {"3D u = 0", 3, .5, {0.0F}, 1, 0, 0},
      {"3D largest u below 1", 3, .5, {0.99999994F}, 0, 0, 1},
      {"2D redraws 4, 5", 2, .5, {DirectionU(kZDown), DirectionU(kZUp), DirectionU(kUp)}, 0, -1, 0},
      {"2D takes 0..3 at once", 2, .5, {DirectionU(kDown)}, 0, 1, 0},
      {"1D u equal to p goes right", 1, .5, {DirectionU(kZUp), 0.5F}, 1, 0, 0},
      {"1D u just above p goes left", 1, .5, {DirectionU(kRight), 0.50000006F}, -1, 0, 0},
      {"1D p = 1 always right", 1, 1.0, {0.0F, 0.99999994F}, 1, 0, 0},
      {"1D p = 0 right only for u = 0", 1, 0.0, {0.9F, 0.0F}, 1, 0, 0},
      {"1D p = 0 otherwise left", 1, 0.0, {0.9F, 1e-7F}, -1, 0, 0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    Rig rig;
    rig.settings.setting.dimension = c.dimension;
    rig.settings.setting.rightProbability = c.rightProbability;
    for (const float u : c.numbers) rig.source.Add({u});
    rig.PutWalker(1, 1, 1);
    rig.walk.DoStep();
    EXPECT_EQ(rig.source.Left(), 0U) << "every number is drawn, and no more";
    const WalkState& s = rig.s();
    EXPECT_EQ((std::array{s.posX, s.posY, s.posZ}), (std::array{1 + c.dx, 1 + c.dy, 1 + c.dz}));
    EXPECT_EQ((std::array{s.prevX, s.prevY, s.prevZ}), (std::array{s.posX, s.posY, s.posZ}));
    EXPECT_EQ(rig.s().stepCount, 1);
  }
}

TEST(Step, DisplayRequestsOfOneStepInOrder) {
  Rig rig;
  AddSteps(rig.source, {kRight});
  rig.walk.DoStep();
  const std::vector<std::string> expected = {"marker hidden", "coordinates ( 1 , 0 , 0 )",
                                             "walker shown",  "segment 0,0-1,0 w1",
                                             "point 1,0",     "walker placed",
                                             "steps"};
  EXPECT_EQ(rig.sink.log, expected);
  EXPECT_DOUBLE_EQ(rig.sink.walkerLeft, 0.7);
  EXPECT_DOUBLE_EQ(rig.sink.walkerTop, -0.3);
  EXPECT_EQ(rig.sink.steps, "Schritte:  1 ");
}

TEST(Step, NotesTheSmallerEndsOfTheEdge) {
  struct Case {
    int x, y;
    Dir direction;
    int edgeX, edgeY;
    bool horizontal;
  };
  const Case cases[] = {
      {0, 0, kRight, 0, 0, true}, {0, 0, kLeft, -1, 0, true},  {0, 0, kUp, 0, -1, false},
      {0, 0, kDown, 0, 0, false}, {-3, 2, kLeft, -4, 2, true}, {2, -3, kUp, 2, -4, false},
      {4, 4, kDown, 4, 4, false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(::testing::Message() << c.x << "," << c.y << " dir " << c.direction);
    Rig rig;
    rig.settings.setting.homeAbsorbs = false;
    rig.PutWalker(c.x, c.y);
    AddSteps(rig.source, {c.direction});
    rig.walk.DoStep();
    const WalkState& s = rig.s();
    EXPECT_EQ(s.edgeX, c.edgeX);
    EXPECT_EQ(s.edgeY, c.edgeY);
    const int i = c.edgeX + 5, j = c.edgeY + 5;
    EXPECT_EQ(s.hEdgeVisits[i][j], c.horizontal ? 2 : 1);
    EXPECT_EQ(s.vEdgeVisits[i][j], c.horizontal ? 1 : 2);
  }
}

TEST(Step, EdgeWidthGrowsWithVisitsAndSaturates) {
  Rig rig;
  rig.settings.setting.homeAbsorbs = false;
  const int r = 5;
  AddSteps(rig.source, {kRight, kLeft, kRight});
  for (int i = 0; i < 3; ++i) rig.walk.DoStep();
  EXPECT_EQ(rig.sink.CountOf("segment 0,0-1,0 w1"), 1U);
  EXPECT_EQ(rig.sink.CountOf("segment 1,0-0,0 w2"), 1U);
  EXPECT_EQ(rig.sink.CountOf("segment 0,0-1,0 w3"), 1U);
  EXPECT_EQ(rig.s().hEdgeVisits[r][r], 4);

  // Past the 16-bit maximum the count stays there instead of wrapping to a negative width.
  rig.s().hEdgeVisits[r][r] = 32766;
  AddSteps(rig.source, {kLeft, kRight, kLeft});
  for (int i = 0; i < 3; ++i) rig.walk.DoStep();
  EXPECT_EQ(rig.sink.CountOf("segment 1,0-0,0 w32766"), 1U);
  EXPECT_EQ(rig.sink.CountOf("segment 0,0-1,0 w32767"), 1U);
  EXPECT_EQ(rig.sink.CountOf("segment 1,0-0,0 w32767"), 1U);
  EXPECT_EQ(rig.s().hEdgeVisits[r][r], 32767);
}

TEST(Step, OnlyThePlaneZeroIsDrawn) {
  Rig rig;
  rig.settings.setting.dimension = 3;
  rig.PutWalker(1, 2);
  AddSteps(rig.source, {kZUp, kZDown, kRight});

  rig.walk.DoStep();  // off the plane: hidden, nothing drawn
  EXPECT_EQ(rig.sink.coordinates, "( 1 ,-2 , 1 )");
  EXPECT_FALSE(rig.sink.walkerVisible);
  EXPECT_EQ(rig.sink.CountOf("point 1,2"), 0U);

  rig.walk.DoStep();  // back on the plane: shown and a point, but no segment
  EXPECT_TRUE(rig.sink.walkerVisible);
  EXPECT_EQ(rig.sink.CountOf("point 1,2"), 1U);

  rig.walk.DoStep();  // within the plane again: a segment
  EXPECT_EQ(rig.sink.CountOf("segment 1,2-2,2 w1"), 1U);
  std::size_t segments = 0;
  for (const auto& entry : rig.sink.log) segments += entry.rfind("segment", 0) == 0 ? 1 : 0;
  EXPECT_EQ(segments, 1U);
  EXPECT_EQ(rig.s().vEdgeVisits, FreshEdgeVisits());
}

TEST(Step, AbsorptionAtTheOriginOnlyWhenSwitchedOn) {
  for (const bool absorbs : {true, false}) {
    SCOPED_TRACE(absorbs);
    Rig rig;
    rig.settings.setting.homeAbsorbs = absorbs;
    AddSteps(rig.source, {kRight, kLeft});
    rig.walk.DoStep();
    rig.walk.DoStep();
    EXPECT_EQ(rig.s().journeyCount, absorbs ? 1 : 0);
    EXPECT_EQ(rig.s().stepCount, absorbs ? 0 : 2);
    EXPECT_EQ(rig.sink.Box(CountBox::Home), absorbs ? " 1" : "0");
  }
}

// With the start point on the boundary a home end is followed at once by a boundary end of
// length 0: the boundary test comes second and sees the start point.
TEST(Step, HomeTestComesBeforeBoundaryTest) {
  Rig rig;
  rig.s().homeX = 5;
  rig.PutWalker(1, 0);
  AddSteps(rig.source, {kLeft});
  rig.walk.DoStep();
  EXPECT_EQ(rig.sink.protocol, std::string(kProtocolHeader) +
                                   "\r\n   1,      1   ( 0, 0, 0)"
                                   "\r\n   2,      0   ( 5, 0, 0)");
}

}  // namespace
}  // namespace quirlweg
