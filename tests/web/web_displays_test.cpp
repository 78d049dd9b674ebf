#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <map>
#include <numeric>
#include <tuple>
#include <vector>

#include "engine/text_forms.h"
#include "web/core/trace_picture.h"
#include "web/core/web_walk.h"

namespace quirlweg::web {
namespace {

using Marks = std::vector<std::tuple<int, int, int, int, int>>;

Marks Sorted(const std::vector<TraceMark>& marks) {
  Marks out;
  for (const TraceMark& m : marks) out.emplace_back(m.fromX, m.fromY, m.toX, m.toY, m.width);
  std::sort(out.begin(), out.end());
  return out;
}

TEST(TracePicture, KeepsTheWidestPenOfEachEdgeAndDot) {
  struct Case {
    const char* what;
    std::vector<TraceMark> drawn;  // a dot has from == to
    Marks picture;
  };
  const Case cases[] = {
      {"either direction is the same edge", {{0, 0, 1, 0, 1}, {1, 0, 0, 0, 2}}, {{0, 0, 1, 0, 2}}},
      {"a narrower pen leaves the edge as it was",
       {{0, 0, 0, 1, 3}, {0, 1, 0, 0, 1}},
       {{0, 0, 0, 1, 3}}},
      {"edges, dots and both ends of the range stay apart",
       {{-50, -50, -49, -50, 1},
        {-50, -50, -50, -49, 2},
        {-50, -50, -50, -50, 3},
        {49, 50, 50, 50, 4}},
       {{-50, -50, -50, -50, 3},
        {-50, -50, -50, -49, 2},
        {-50, -50, -49, -50, 1},
        {49, 50, 50, 50, 4}}},
      {"marks no walk draws are kept as drawn",
       {{0, 0, 3, 0, 2}, {60, 0, 60, 0, 1}},
       {{0, 0, 3, 0, 2}, {60, 0, 60, 0, 1}}},
  };
  for (const Case& c : cases) {
    TracePicture picture;
    for (const TraceMark& m : c.drawn) {
      if (m.fromX == m.toX && m.fromY == m.toY) {
        picture.AddDot(m.fromX, m.fromY, m.width);
      } else {
        picture.AddSegment(m.fromX, m.fromY, m.toX, m.toY, m.width);
      }
    }
    EXPECT_EQ(Sorted(picture.All()), c.picture) << c.what;
    EXPECT_EQ(Sorted(picture.TakeFresh()), c.picture) << c.what;
    EXPECT_TRUE(picture.TakeFresh().empty()) << c.what;
    picture.Clear();
    EXPECT_TRUE(picture.All().empty()) << c.what;
  }
}

// Twenty journeys through the real walk: the frames' marks add up to the walk's own edge
// counts (an edge drawn c - 1 wide has been walked c - 1 times), and every journey and step is
// reported once.
TEST(WebDisplays, FramesReportEveryJourneyAndTheWalksTraces) {
  for (const int dimension : {1, 2, 3}) {
    WebWalk w(7 + dimension);
    w.settings().SetDimension(dimension);
    w.settings().SetMode(static_cast<int>(RunMode::TwentyJourneys));
    w.settings().SetLatticeSize(6);
    w.Load();
    std::map<std::tuple<int, int, int, int>, int> drawn;
    std::int64_t steps = 0;
    std::vector<JourneyRecord> journeys;
    const auto take = [&] {
      Frame frame = w.displays().TakeFrame();
      for (const TraceMark& m : frame.marks) drawn[{m.fromX, m.fromY, m.toX, m.toY}] = m.width;
      steps += frame.stepsTaken;
      journeys.insert(journeys.end(), frame.journeys.begin(), frame.journeys.end());
      return frame;
    };
    take();
    w.walk().Start();
    const Frame frame = take();
    EXPECT_TRUE(take().marks.empty());

    ASSERT_EQ(journeys.size(), 20U) << dimension;
    EXPECT_EQ(
        std::accumulate(journeys.begin(), journeys.end(), std::int64_t{0},
                        [](std::int64_t sum, const JourneyRecord& j) { return sum + j.length; }),
        steps);
    const double home = ValueOf(frame.countBoxes[static_cast<std::size_t>(CountBox::Home)]);
    const double boundary = ValueOf(frame.countBoxes[static_cast<std::size_t>(CountBox::Boundary)]);
    EXPECT_EQ(home + boundary, 20) << dimension;

    const WalkState& s = w.walk().state();
    for (int i = 0; i < kEdgeIndexCount; ++i) {
      for (int j = 0; j < kEdgeIndexCount; ++j) {
        const int x = i - s.gridRadius;
        const int y = j - s.gridRadius;
        for (const auto& [visits, toX, toY] :
             {std::tuple{&s.hEdgeVisits, x + 1, y}, std::tuple{&s.vEdgeVisits, x, y + 1}}) {
          const int walked = (*visits)[i][j] - 1;
          const auto it = drawn.find({x, y, toX, toY});
          EXPECT_EQ(it == drawn.end() ? 0 : it->second, walked) << x << "," << y;
        }
      }
    }
  }
}

TEST(WebDisplays, ResetShowsTheResetTextsAndTheHeaderInThePagesLanguage) {
  WebWalk w(1);
  w.Load();
  Frame frame = w.displays().TakeFrame();
  EXPECT_FALSE(frame.steps.has_value());
  EXPECT_EQ(frame.coordinates, "( 0 , 0 , 0 )");
  EXPECT_EQ(frame.protocol, "");
  w.displays().SetProtocolHeader("   No.  Length   End point");
  w.walk().Start();
  w.walk().ResetCounters();
  frame = w.displays().TakeFrame();
  EXPECT_EQ(frame.steps, "0 ");
  EXPECT_EQ(frame.coordinates, "(0, 0, 0)");
  EXPECT_EQ(frame.protocol, "   No.  Length   End point\r\n");
  EXPECT_EQ(frame.hits[0], " 0 ");
  EXPECT_TRUE(frame.countersReset);
  EXPECT_FALSE(w.displays().TakeFrame().protocol.has_value());
}

// The evaluation's series goes on across the statistics' restart after 1001 journeys and starts
// afresh with a new lattice size; exact values count only for the setting they were computed for.
TEST(WebWalk, EvaluationFollowsTheSeriesWithItsOwnExactValuesOnly) {
  WebWalk w(3);
  w.settings().SetMode(static_cast<int>(RunMode::TwentyJourneys));
  w.settings().SetLatticeSize(2);
  w.Load();
  for (int i = 0; i < 60; ++i) w.walk().Start();
  EXPECT_EQ(w.displays().TakeFrame().restartNotices, 1);
  const auto home = static_cast<std::size_t>(SeriesRow::Home);
  EvaluationFigures figures = w.Evaluation(SeriesRow::Top);
  EXPECT_EQ(figures.journeys, 1200);
  EXPECT_FALSE(figures.rows[home].exact.has_value());
  ASSERT_TRUE(w.ComputeExact().has_value());
  figures = w.Evaluation(SeriesRow::Top);
  EXPECT_EQ(figures.rows[home].exact, w.ComputeExact()->home);
  EXPECT_EQ(figures.convergence.back().journeys, 1200);

  w.settings().SetLatticeSize(3);
  w.walk().ChangeLatticeSize();
  w.walk().Start();
  figures = w.Evaluation(SeriesRow::Top);
  EXPECT_EQ(figures.journeys, 20);
  EXPECT_FALSE(figures.rows[home].exact.has_value());
}

}  // namespace
}  // namespace quirlweg::web
