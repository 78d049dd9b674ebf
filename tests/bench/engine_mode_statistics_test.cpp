// walkbench's engine mode, run as the tool runs it, must agree with the exact statistics of the
// lattice walk: how often journeys end at home, on each side and at |z| = R, and how long they
// are. A tally that confuses sides or loses journeys across the restarts after 1001 journeys
// fails here.

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>

#include "common/absorbing_walk.h"
#include "engine_mode.h"
#include "exact_files.h"
#include "sweep/exit_tally.h"
#include "theory/exit_places.h"

namespace quirlweg::bench {
namespace {

using quirlweg::testing::ExactOutcome;
using quirlweg::testing::Lattice;
using quirlweg::testing::Outcome;
namespace exact = quirlweg::testing;

struct Case {
  int dimension;
  int radius;
  int rightPercent;
  bool home;
  int startX;
  int startY;
};

BenchOptions OptionsFor(const Case& c) {
  BenchOptions options;
  options.dimension = c.dimension;
  options.radius = c.radius;
  options.rightProbability = c.rightPercent;
  options.home = c.home;
  options.startX = c.startX;
  options.startY = c.startY;
  return options;
}

TEST(EngineModeStatistics, AgreeWithTheAbsorbingChain) {
  const Case cases[] = {
      {2, 3, 50, true, 0, 0},    // first return home or the boundary
      {2, 4, 50, false, 1, -2},  // off centre: the sides differ
      {2, 2, 50, true, 1, 1},    // a corner next to two sides
      {3, 3, 50, true, 1, 0},    // the z ends
      {1, 5, 70, true, -2, 0},   // drift to the right
      {1, 4, 100, false, 0, 0},  // every step right
  };
  constexpr std::int64_t kJourneys = 20000;
  for (const Case& c : cases) {
    SCOPED_TRACE(::testing::Message()
                 << c.dimension << "D R " << c.radius << " p " << c.rightPercent << " home "
                 << c.home << " start " << c.startX << "," << c.startY);
    BenchOptions options = OptionsFor(c);
    options.journeys = kJourneys;
    options.seed = 99;
    const JourneyTally tally = RunEngineMode(options);

    const Outcome o = ExactOutcome(
        Lattice{c.dimension, c.radius, c.rightPercent / 100.0, c.home, {c.startX, c.startY, 0}});
    ASSERT_EQ(tally.journeys(), kJourneys);
    EXPECT_EQ(tally.boundary, tally.top + tally.right + tally.bottom + tally.left + tally.z);
    const std::array<std::pair<const char*, std::int64_t>, exact::kEndingCount> counted{{
        {"home", tally.home},
        {"top", tally.top},
        {"right", tally.right},
        {"bottom", tally.bottom},
        {"left", tally.left},
        {"z", tally.z},
    }};
    for (int e = 0; e < exact::kEndingCount; ++e) {
      const double p = o.shares[static_cast<std::size_t>(e)];
      const double share =
          static_cast<double>(counted[static_cast<std::size_t>(e)].second) / kJourneys;
      // An ending that cannot happen (or must) leaves no room at all but rounding.
      EXPECT_NEAR(share, p, 5 * std::sqrt(p * (1 - p) / kJourneys) + 1e-9)
          << counted[static_cast<std::size_t>(e)].first;
    }
    const double mean = static_cast<double>(tally.steps) / kJourneys;
    const double meanError = std::sqrt(std::max(o.lengthVariance, 0.0) / kJourneys);
    EXPECT_NEAR(mean, o.meanLength, 5 * meanError + 1e-9) << "mean length";
  }
}

// The engine's journey ends counted by cell against the exact exit places: both must name the
// same cell, the same side and the same direction of y, or the --exits file compares apples
// with pears. Off centre, so that no mirror image of a cell has the same share.
TEST(EngineModeStatistics, EndsByCellAgreeWithTheExactExitPlaces) {
  const Case cases[] = {{2, 3, 50, true, 1, -2}, {3, 3, 50, false, -1, 2}, {1, 4, 30, true, 1, 2}};
  constexpr std::int64_t kJourneys = 20000;
  for (const Case& c : cases) {
    SCOPED_TRACE(::testing::Message() << c.dimension << "D start " << c.startX << "," << c.startY);
    BenchOptions options = OptionsFor(c);
    options.journeys = kJourneys;
    options.seed = 7;
    ExitTally tally(c.radius);
    RunEngineMode(options, [&tally](const JourneyRecord& j) { tally.Count(j); });
    const auto exact = theory::ComputeExitPlaces(TheorySettingOf(options));
    ASSERT_TRUE(exact);
    const auto expectShare = [&](std::int64_t count, double p, const char* where, int cell) {
      EXPECT_NEAR(static_cast<double>(count) / kJourneys, p,
                  5 * std::sqrt(p * (1 - p) / kJourneys) + 1e-9)
          << where << " " << cell;
    };
    const char* names[] = {"top", "right", "bottom", "left"};
    for (int side = 0; side < 4; ++side) {
      for (int cell = 1 - c.radius; cell < c.radius; ++cell) {
        expectShare(tally.OnSide(side, cell),
                    exact->sides[static_cast<std::size_t>(side)]
                                [static_cast<std::size_t>(cell + c.radius - 1)],
                    names[side], cell);
      }
    }
    expectShare(tally.zFaces(), exact->zFaces, "z", 0);
    expectShare(tally.home(), exact->home, "home", 0);
  }
}

}  // namespace
}  // namespace quirlweg::bench
