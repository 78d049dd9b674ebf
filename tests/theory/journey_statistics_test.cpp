#include "theory/journey_statistics.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <numeric>

#include "common/absorbing_walk.h"

namespace quirlweg::theory {
namespace {

JourneyStatistics Compute(const Setting& s) {
  const auto j = ComputeJourneyStatistics(s);
  EXPECT_TRUE(j.has_value());
  return j.value_or(JourneyStatistics{});
}

std::array<double, 6> Endings(const JourneyStatistics& j) {
  return {j.home, j.top, j.right, j.bottom, j.left, j.zFace};
}

// Relative error, with an absolute floor for values that are exactly zero.
void ExpectClose(double actual, double expected, const char* what, const Setting& s) {
  EXPECT_NEAR(actual, expected, 1e-9 * std::fabs(expected) + 1e-13)
      << what << " dimension " << s.dimension << " R " << s.radius << " p " << s.rightProbability
      << " start " << s.startX << "," << s.startY << " home " << s.homeAbsorbs;
}

TEST(JourneyStatistics, MatchesADenseSolveOfTheChain) {
  const Setting cases[] = {
      {1, 5, 0.5, true, 0, 0},   {1, 5, 0.3, true, -2, 0},  {1, 5, 0.8, false, 3, 0},
      {1, 4, 0.0, true, 2, 0},   {1, 4, 1.0, true, -3, 0},  {1, 4, 0.6, true, 1, 2},
      {2, 5, 0.5, true, 2, -3},  {2, 5, 0.5, false, 2, -3}, {2, 4, 0.5, true, 0, 0},
      {2, 2, 0.5, true, 1, 1},   {3, 3, 0.5, true, 1, -2},  {3, 4, 0.5, true, 0, 0},
      {3, 4, 0.5, false, -3, 1},
  };
  for (const Setting& s : cases) {
    // The dense solver keeps a 1-D walk on row 0: off it, home is out of reach.
    const bool offRow = s.dimension == 1 && s.startY != 0;
    const testing::Outcome dense = testing::ExactOutcome({s.dimension,
                                                          s.radius,
                                                          s.rightProbability,
                                                          s.homeAbsorbs && !offRow,
                                                          {s.startX, offRow ? 0 : s.startY, 0}});
    const JourneyStatistics j = Compute(s);
    const auto endings = Endings(j);
    for (int e = 0; e < testing::kEndingCount; ++e) {
      ExpectClose(endings[e], dense.shares[e], "ending", s);
    }
    ExpectClose(j.meanLength, dense.meanLength, "mean", s);
    ExpectClose(j.sdLength, std::sqrt(dense.lengthVariance), "sd", s);
  }
}

// Ruin on a row of 2R - 1 points: P(right) = (1 - r^(x+R)) / (1 - r^2R) with r = (1-p)/p, and
// E[L] = ((x+R) - 2R P(right)) / (1 - 2p), at R = 50 where a solve could drift.
TEST(JourneyStatistics, OneDimensionalWalkIsTheGamblersRuin) {
  const int radius = 50;
  for (const double p : {0.5, 0.3, 0.55, 0.9, 0.0, 1.0}) {
    for (const int x : {-49, -7, 0, 30, 49}) {
      const Setting s{1, radius, p, true, x, 3};  // home is off the walk's row
      const double fromLeft = x + radius;
      double right = fromLeft / (2 * radius);
      double mean = fromLeft * (2 * radius - fromLeft);
      if (p == 0 || p == 1) {
        right = p;
        mean = p == 1 ? radius - x : fromLeft;
      } else if (p != 0.5) {
        const double r = (1 - p) / p;
        right = (1 - std::pow(r, fromLeft)) / (1 - std::pow(r, 2 * radius));
        mean = (fromLeft - 2 * radius * right) / (1 - 2 * p);
      }
      const JourneyStatistics j = Compute(s);
      ExpectClose(j.right, right, "right", s);
      ExpectClose(j.left, 1 - right, "left", s);
      ExpectClose(j.meanLength, mean, "mean", s);
      EXPECT_EQ(j.home, 0);
    }
  }
}

// From the origin a journey without home is a run of returns to it; with home it stops at the
// first, so E[L with home] = P(boundary with home) E[L without home].
TEST(JourneyStatistics, HomeCutsTheJourneyAtTheFirstReturn) {
  for (const Setting with : {Setting{2, 25, 0.5, true, 0, 0}, Setting{3, 10, 0.5, true, 0, 0},
                             Setting{1, 20, 0.4, true, 0, 0}}) {
    Setting without = with;
    without.homeAbsorbs = false;
    const JourneyStatistics h = Compute(with);
    ExpectClose(h.meanLength, (1 - h.home) * Compute(without).meanLength, "mean", with);
  }
}

TEST(JourneyStatistics, ReturnChanceGrowsTowardsPolyasConstant) {
  double last = 0;
  for (const int radius : {3, 6, 12, 24}) {
    const double home = Compute({3, radius, 0.5, true, 0, 0}).home;
    EXPECT_GT(home, last) << radius;
    EXPECT_LT(home, 0.3405373) << radius;
    last = home;
  }
  EXPECT_GT(last, 0.32);
}

// Off-centre on the biggest plane and a big box, where the mode sums are long.
TEST(JourneyStatistics, EndingsOfOneSettingSumToOne) {
  for (const Setting& s : {Setting{2, 50, 0.5, true, 49, -49}, Setting{3, 20, 0.5, true, 19, -7},
                           Setting{1, 50, 0.7, true, 49, 0}}) {
    const auto endings = Endings(Compute(s));
    ExpectClose(std::accumulate(endings.begin(), endings.end(), 0.0), 1, "sum", s);
  }
}

TEST(JourneyStatistics, DistributionHasTheExactMean) {
  for (const Setting& s : {Setting{2, 6, 0.5, true, 3, -2}, Setting{3, 4, 0.5, true, 0, 0},
                           Setting{1, 7, 0.2, true, 0, 0}}) {
    const JourneyStatistics j = *ComputeJourneyStatistics(s, {}, 1 - 1e-14);
    double mean = 0;
    for (std::size_t n = 0; n < j.lengthDistribution.size(); ++n) {
      mean += static_cast<double>(n) * j.lengthDistribution[n];
    }
    ExpectClose(mean, j.meanLength, "distribution's mean", s);
  }
}

TEST(JourneyStatistics, CancelledComputationGivesNothing) {
  int asked = 0;
  const Cancellation cancelAtOnce([&asked] { return ++asked > 0; });
  EXPECT_FALSE(ComputeJourneyStatistics({2, 50, 0.5, true, 0, 0}, cancelAtOnce));
  EXPECT_GT(asked, 0);
}

}  // namespace
}  // namespace quirlweg::theory
