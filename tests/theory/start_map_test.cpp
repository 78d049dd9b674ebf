#include "theory/start_map.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <cstdlib>
#include <map>

#include "theory/exit_places.h"

namespace quirlweg::theory {
namespace {

double EndingShare(const JourneyStatistics& j, JourneyEnding e) {
  const std::array<double, 6> shares{j.home, j.top, j.right, j.bottom, j.left, j.zFace};
  return shares[static_cast<std::size_t>(e)];
}

// The map's separable transforms against the statistics of each start computed alone: a
// transposed axis, a mirrored y or a home correction applied at the wrong point shows at once.
TEST(StartMap, EveryStartHasTheStatisticsOfItsOwnJourney) {
  struct Case {
    Setting setting;
    JourneyEnding target;
  };
  const Case cases[] = {
      {{2, 4, 0.5, true, 0, 0}, JourneyEnding::kHome},
      {{2, 4, 0.5, false, 0, 0}, JourneyEnding::kTop},
      {{2, 3, 0.5, true, 0, 0}, JourneyEnding::kRight},
      {{3, 3, 0.5, true, 0, 0}, JourneyEnding::kBottom},
      {{3, 3, 0.5, false, 0, 0}, JourneyEnding::kZFace},
      {{1, 5, 0.3, true, 0, 0}, JourneyEnding::kHome},
      {{1, 5, 0.7, false, 0, 0}, JourneyEnding::kLeft},
  };
  for (const Case& c : cases) {
    const auto map = ComputeStartMap(c.setting, c.target);
    ASSERT_TRUE(map);
    const int r = c.setting.radius - 1;
    for (int y = c.setting.dimension == 1 ? 0 : -r; y <= (c.setting.dimension == 1 ? 0 : r); ++y) {
      for (int x = -r; x <= r; ++x) {
        Setting from = c.setting;
        from.startX = x;
        from.startY = y;
        SCOPED_TRACE(::testing::Message() << from.dimension << "D R " << from.radius << " home "
                                          << from.homeAbsorbs << " start " << x << "," << y);
        const auto alone = ComputeJourneyStatistics(from);
        ASSERT_TRUE(alone);
        const std::size_t i = map->IndexOf(x, y);
        const double share = EndingShare(*alone, c.target);
        EXPECT_NEAR(map->chance[i], share, 1e-10 * share + 1e-13);
        EXPECT_NEAR(map->meanLength[i], alone->meanLength, 1e-10 * alone->meanLength);
      }
    }
  }
}

// The walker's mass moved step by step, with what steps off the lattice tallied per boundary
// cell as the hit counters count it: the plainest reading of where a journey ends.
ExitPlaces SteppedExits(const Setting& s) {
  using Point = std::array<int, 3>;
  const int r = s.radius;
  ExitPlaces tally;
  tally.radius = r;
  for (auto& side : tally.sides) side.assign(static_cast<std::size_t>(2 * r - 1), 0.0);
  std::map<Point, double> mass{{{s.startX, s.startY, 0}, 1.0}};
  const double q = 1.0 / (2 * s.dimension);
  for (int step = 0; step < 20000 && !mass.empty(); ++step) {
    std::map<Point, double> next;
    for (const auto& [p, m] : mass) {
      for (int axis = 0; axis < s.dimension; ++axis) {
        for (const int sign : {1, -1}) {
          Point to = p;
          to[axis] += sign;
          const double chance =
              s.dimension > 1 ? q : (sign > 0 ? s.rightProbability : 1 - s.rightProbability);
          const auto cell = [&](int c) { return static_cast<std::size_t>(c + r - 1); };
          if (s.homeAbsorbs && to == Point{}) {
            tally.home += m * chance;
          } else if (to[1] == -r) {
            tally.sides[0][cell(to[0])] += m * chance;
          } else if (to[0] == r) {
            tally.sides[1][cell(to[1])] += m * chance;
          } else if (to[1] == r) {
            tally.sides[2][cell(to[0])] += m * chance;
          } else if (to[0] == -r) {
            tally.sides[3][cell(to[1])] += m * chance;
          } else if (std::abs(to[2]) == r) {
            tally.zFaces += m * chance;
          } else {
            next[to] += m * chance;
          }
        }
      }
    }
    std::erase_if(next, [](const auto& entry) { return entry.second < 1e-30; });
    mass = std::move(next);
  }
  return tally;
}

// Exit places cell by cell against the stepped mass: a side fed from the wrong layer, a cell
// counted along the wrong coordinate or a z not summed shows in single cells, even where the
// side's total is right.
TEST(ExitPlaces, EveryCellGetsTheMassThatStepsOntoIt) {
  const Setting cases[] = {
      {2, 3, 0.5, true, 1, -2}, {2, 4, 0.5, true, 0, 0},  {2, 3, 0.5, false, 2, 1},
      {3, 3, 0.5, false, 1, 0}, {3, 3, 0.5, true, -1, 2}, {3, 3, 0.5, true, 0, 0},
      {1, 4, 0.7, true, 1, 2},  {1, 4, 0.3, true, -1, 0},
  };
  for (const Setting& s : cases) {
    SCOPED_TRACE(::testing::Message() << s.dimension << "D R " << s.radius << " home "
                                      << s.homeAbsorbs << " start " << s.startX << "," << s.startY);
    const auto exact = ComputeExitPlaces(s);
    ASSERT_TRUE(exact);
    const ExitPlaces stepped = SteppedExits(s);
    for (std::size_t side = 0; side < 4; ++side) {
      for (std::size_t c = 0; c < stepped.sides[side].size(); ++c) {
        EXPECT_NEAR(exact->sides[side][c], stepped.sides[side][c], 1e-12)
            << "side " << side << " cell " << c;
      }
    }
    EXPECT_NEAR(exact->zFaces, stepped.zFaces, 1e-12);
    EXPECT_NEAR(exact->home, stepped.home, 1e-12);
  }
}

}  // namespace
}  // namespace quirlweg::theory
