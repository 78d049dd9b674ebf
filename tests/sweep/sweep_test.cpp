#include "sweep/sweep.h"

#include <gtest/gtest.h>

#include <cmath>

namespace quirlweg {
namespace {

// Every point runs its own setting (a chance of 35 % must not reach the engine as 0.35 % or
// the base's 50 %), and the chunks' seeds depend on nothing but seed, point and chunk.
TEST(Sweep, PointsFollowTheExactCurveWhateverTheThreads) {
  const theory::Setting base{1, 4, 0.5, true, -1, 0};
  const auto points = SweepPoints(base, SweepAxis::kProbability);
  ASSERT_EQ(points.size(), 21U);
  constexpr std::int64_t kJourneys = 3000;
  const auto one = MeasureSweep(points, {kJourneys, 1, 5});
  const auto three = MeasureSweep(points, {kJourneys, 3, 5});
  const auto exact = ExactSweep(points);
  ASSERT_TRUE(one && three && exact);
  for (std::size_t i = 0; i < points.size(); ++i) {
    SCOPED_TRACE(::testing::Message() << "p " << points[i].rightProbability);
    const MeasuredPoint& m = (*one)[i];
    EXPECT_EQ(m.journeys, kJourneys);
    EXPECT_EQ(m.homeEnds, (*three)[i].homeEnds);
    EXPECT_EQ(m.steps, (*three)[i].steps);
    const double home = (*exact)[i].home;
    EXPECT_NEAR(static_cast<double>(m.homeEnds) / kJourneys, home,
                5 * std::sqrt(home * (1 - home) / kJourneys) + 1e-9);
    EXPECT_NEAR(static_cast<double>(m.steps) / kJourneys, (*exact)[i].meanLength,
                5 * (*exact)[i].sdLength / std::sqrt(kJourneys) + 1e-9);
  }
}

TEST(Sweep, CancelledSweepGivesNothing) {
  const auto points = SweepPoints({3, 50, 0.5, false, 0, 0}, SweepAxis::kRadius);
  int reports = 0;
  const auto measured = MeasureSweep(
      points, {1'000'000, 2, 1}, [&reports](std::int64_t, std::int64_t) { ++reports; },
      theory::Cancellation([] { return true; }));
  EXPECT_FALSE(measured);
  EXPECT_GT(reports, 0);
}

}  // namespace
}  // namespace quirlweg
