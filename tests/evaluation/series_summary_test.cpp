#include "series/series_summary.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <random>
#include <string>
#include <string_view>

#include "series/binomial_test.h"
#include "series/chart_figures.h"
#include "series/journey_announcer.h"
#include "series/mean_test.h"

namespace quirlweg {
namespace {

JourneyRecord Journey(std::int64_t length, JourneyEnd end) {
  JourneyRecord j;
  j.length = length;
  j.end = end;
  return j;
}

TEST(SeriesSummary, WilsonRangesAndTheMeansRange) {
  struct Case {
    int count, total;
    double low, high;
  };
  for (const Case& c : {Case{0, 10, 0.0, 0.27754}, Case{5, 10, 0.23659, 0.76341},
                        Case{10, 10, 0.72246, 1.0}, Case{1, 3, 0.06149, 0.79234}}) {
    const auto range = WilsonInterval(c.count, c.total);
    ASSERT_TRUE(range.has_value());
    EXPECT_NEAR(range->first, c.low, 1e-5) << c.count << "/" << c.total;
    EXPECT_NEAR(range->second, c.high, 1e-5) << c.count << "/" << c.total;
  }
  EXPECT_FALSE(WilsonInterval(0, 0).has_value());

  // Lengths 2, 4, 6: mean 4; with an exact deviation of 3 the range is 4 ± 1.96 * 3 / sqrt(3),
  // but never below the shortest journey: 2 steps, away from home and back.
  const JourneySeries three{Journey(2, JourneyEnd::Home), Journey(4, JourneyEnd::Top),
                            Journey(6, JourneyEnd::ZFace)};
  theory::JourneyStatistics spread;
  spread.sdLength = 3;
  const SeriesSummary s = Summarize(three, three[0].setting, &spread);
  EXPECT_DOUBLE_EQ(s[SeriesRow::MeanLength].measured, 4);
  EXPECT_DOUBLE_EQ(*s[SeriesRow::MeanLength].low, 2);
  EXPECT_NEAR(*s[SeriesRow::MeanLength].high, 4 + 1.96 * 3 / std::sqrt(3.0), 1e-12);
  EXPECT_FALSE(Summarize(three, three[0].setting, nullptr)[SeriesRow::MeanLength].low);
  EXPECT_EQ(s[SeriesRow::Boundary].count, 2);
  EXPECT_EQ(s[SeriesRow::ZFace].count, 1);
}

// The fewest steps, straight to the nearest end: a side along the walk's own axes, or home.
TEST(SeriesSummary, ShortestJourneyGoesStraightToTheNearestEnd) {
  const struct {
    theory::Setting setting;
    int steps;
  } cases[] = {
      {{2, 5, 0.5, true, 2, 1}, 3},    // home, three steps away, before the side
      {{2, 5, 0.5, false, 4, -1}, 1},  // the right side next door
      {{1, 5, 0.5, true, 1, 3}, 4},    // a line off row 0 never comes home; y is no axis
      {{3, 5, 0.5, true, 0, 0}, 2},    // away and back
      {{1, 2, 0.5, false, 0, 0}, 2},
  };
  for (const auto& c : cases) EXPECT_EQ(ShortestJourney(c.setting), c.steps) << c.steps;
}

TEST(SeriesSummary, MixedSettingsAreThoseThatChangeTheWalk) {
  struct Case {
    const char* change;
    int dimension;  // of the current setting and the series' first journey
    void (*apply)(JourneyRecord&);
    bool mixes;
  };
  for (const Case& c : std::initializer_list<Case>{
           {"nothing", 2, [](JourneyRecord&) {}, false},
           {"p in 2-D", 2, [](JourneyRecord& j) { j.setting.rightProbability = 0.7; }, false},
           {"p in 1-D", 1, [](JourneyRecord& j) { j.setting.rightProbability = 0.7; }, true},
           {"start y in 2-D", 2, [](JourneyRecord& j) { j.setting.startY = 1; }, true},
           {"start y in 1-D", 1, [](JourneyRecord& j) { j.setting.startY = 1; }, true},
           {"home", 2, [](JourneyRecord& j) { j.setting.homeAbsorbs = false; }, true},
           {"dimension", 2, [](JourneyRecord& j) { j.setting.dimension = 3; }, true}}) {
    JourneyRecord same = Journey(3, JourneyEnd::Right);
    same.setting.dimension = c.dimension;
    JourneyRecord other = same;
    c.apply(other);
    const theory::Setting current = same.setting;
    theory::JourneyStatistics exact;
    exact.sdLength = 1;
    // A series of both, and a series of the other alone: neither matches the current setting.
    EXPECT_EQ(Summarize({same, other}, current, &exact).mixesSettings, c.mixes) << c.change;
    EXPECT_EQ(Summarize({other}, current, &exact).mixesSettings, c.mixes) << c.change;
    const SeriesSummary summary = Summarize({other, other}, current, &exact);
    if (c.mixes) {
      EXPECT_FALSE(OutsideRange(summary, SeriesRow::Right, 0.0)) << c.change;
    }
  }
}

// Series drawn from the exact length distribution: the mean's range misses the exact mean in
// at most one of twenty, however short the series, and in nearly that share from a hundred
// journeys on, for lumpy lengths too (a short line that nearly always goes straight left).
TEST(SeriesSummary, MeanRangeMissesTheExactMeanAtMostOnceInTwenty) {
  std::mt19937_64 random(20);
  for (const theory::Setting& setting :
       {theory::Setting{1, 10, 0.5, true, 0, 0}, theory::Setting{1, 3, 0.01, false, 0, 0},
        theory::Setting{2, 5, 0.5, false, 0, 0}, theory::Setting{3, 5, 0.5, true, 0, 0}}) {
    const auto exact = theory::ComputeJourneyStatistics(setting);
    ASSERT_TRUE(exact && !exact->lengthDistribution.empty());
    std::discrete_distribution<int> length(exact->lengthDistribution.begin(),
                                           exact->lengthDistribution.end());
    JourneyRecord journey;
    journey.setting = setting;
    for (const auto& [journeys, series] :
         {std::pair{2, 2000}, {5, 2000}, {20, 2000}, {100, 4000}}) {
      JourneySeries drawn;
      int misses = 0;
      for (int i = 0; i < series; ++i) {
        drawn.Clear();
        for (int k = 0; k < journeys; ++k) {
          journey.length = length(random);
          drawn.Add(journey);
        }
        misses += OutsideRange(Summarize(drawn, setting, &*exact), SeriesRow::MeanLength,
                               exact->meanLength);
      }
      // Three standard errors of the drawn share above 5 %.
      const double missRate = static_cast<double>(misses) / series;
      const std::string where = std::to_string(setting.dimension) + "-D R " +
                                std::to_string(setting.radius) + ", " + std::to_string(journeys);
      EXPECT_LE(missRate, 0.05 + 3 * std::sqrt(0.05 * 0.95 / series)) << where;
      if (journeys >= 100) {
        EXPECT_GE(missRate, 0.03) << where;
      }
    }
  }
}

// Against the binomial test: a journey of one step (70 %) or two makes the total of n journeys
// n plus a binomial count, which the exact binomial test refuses by its own terms.
TEST(MeanTest, AcceptedTotalsAreThoseTheBinomialTestKeeps) {
  for (const int n : {1, 2, 7, 40, 301}) {
    int low = n + 1;
    int high = -1;
    for (int k = 0; k <= n; ++k) {
      if (BinomialTestRefuses(k, n, 0.3)) continue;
      low = std::min(low, k);
      high = std::max(high, k);
    }
    const auto totals = AcceptedLengthTotals({0, 0.7, 0.3}, n);
    ASSERT_TRUE(totals) << n;
    EXPECT_EQ(totals->first, n + low) << n;
    EXPECT_EQ(totals->second, n + high) << n;
  }
  // Mass missing from the end of the lengths keeps the highest totals.
  EXPECT_EQ(AcceptedLengthTotals({0, 0.5, 0.4}, 40)->second, 80);
}

// Both editions write the axes' numbers from these ticks: counts in full even in the millions,
// no tick lost to a sum drifting off the step, the page's decimal separator, and powers of ten
// on a logarithmic axis.
TEST(ChartFigures, AxisTicksAndTheirNumbers) {
  struct Case {
    ChartAxes axes;
    bool xAxis;
    std::string_view separator;
    std::vector<std::string> texts;
  };
  const std::vector<Case> cases{
      {ConvergenceAxes(1'000'000, false),
       true,
       ",",
       {"0", "200000", "400000", "600000", "800000", "1000000"}},
      {ConvergenceAxes(5, false), false, ",", {"0", "20", "40", "60", "80", "100"}},
      {ConvergenceAxes(4000, true), true, ",", {"1", "10", "100", "1000"}},
      {{{0, 0.3, 0.1, false}, {}}, true, ",", {"0", "0,1", "0,2", "0,3"}},
      {{{0, 0.3, 0.1, false}, {}}, true, ".", {"0", "0.1", "0.2", "0.3"}},
  };
  for (const Case& c : cases) {
    const ChartAxis& axis = c.xAxis ? c.axes.x : c.axes.y;
    std::vector<std::string> texts;
    for (const AxisTick& tick : AxisTicks(axis, c.separator)) texts.push_back(tick.text);
    EXPECT_EQ(texts, c.texts) << axis.low << " .. " << axis.high;
  }
}

// A correct share is marked red in at most one series in twenty at every length, and from 100
// journeys on in not much fewer, counted over every outcome of the exact binomial law; a share
// outside the shown range is always one the test refuses.
TEST(SeriesSummary, ExactTestMarksACorrectShareAtMostOnceInTwenty) {
  const auto chance = [](int n, int k, double p) {
    return std::exp(std::lgamma(n + 1.0) - std::lgamma(k + 1.0) - std::lgamma(n - k + 1.0) +
                    k * std::log(p) + (n - k) * std::log1p(-p));
  };
  for (const int n : {2, 3, 5, 20, 100, 300, 1001}) {
    for (const double p : {0.0117, 0.05, 0.1119, 0.2239, 0.3282, 0.5, 0.6067}) {
      double marked = 0;
      for (int k = 0; k <= n; ++k) {
        const bool refused = BinomialTestRefuses(k, n, p);
        if (refused) marked += chance(n, k, p);
        const auto range = ExactShareRange(k, n);
        ASSERT_TRUE(range);
        if (p < range->first || p > range->second) {
          EXPECT_TRUE(refused) << n << " " << k << " " << p;
        }
      }
      EXPECT_LE(marked, 0.05) << "n = " << n << ", p = " << p;
      if (n >= 100 && p >= 0.05) {
        EXPECT_GE(marked, 0.03) << "n = " << n << ", p = " << p;
      }
    }
  }
}

}  // namespace
}  // namespace quirlweg

namespace quirlweg {
namespace {

// A listener hears each journey on its own while they end slower than one a gap, and one
// summary of those that ended meanwhile otherwise; a cleared series starts again at 1.
TEST(JourneyAnnouncer, TellsEachJourneyOrASummaryAtMostOnceAGap) {
  using std::chrono::milliseconds;
  const milliseconds gap = kAnnouncementGap;
  JourneySeries series;
  JourneyAnnouncer announcer;
  const auto add = [&](int journeys, JourneyEnd end) {
    for (int i = 0; i < journeys; ++i) series.Add(Journey(7, end));
  };
  struct Step {
    int added;
    JourneyEnd end;
    milliseconds at;
    bool clear;
    std::size_t first, last;  // 0: nothing said
    std::int64_t home;
  };
  const Step steps[] = {
      {1, JourneyEnd::Right, milliseconds(0), false, 1, 1, 0},
      {1, JourneyEnd::Home, gap / 2, false, 0, 0, 0},  // too soon: kept for later
      {0, JourneyEnd::Home, gap, false, 2, 2, 1},
      {19, JourneyEnd::Home, gap + gap / 4, false, 0, 0, 0},
      {1, JourneyEnd::Left, 2 * gap, false, 3, 22, 19},
      {0, JourneyEnd::Left, 4 * gap, false, 0, 0, 0},  // nothing new
      {2, JourneyEnd::Top, 5 * gap, true, 1, 2, 0},
  };
  for (const Step& step : steps) {
    if (step.clear) series.Clear();
    add(step.added, step.end);
    const auto said = announcer.Next(series, step.at);
    SCOPED_TRACE(step.at.count());
    ASSERT_EQ(said.has_value(), step.first != 0);
    if (!said) continue;
    EXPECT_EQ(said->first, step.first);
    EXPECT_EQ(said->last, step.last);
    EXPECT_EQ(said->home, step.home);
    EXPECT_EQ(said->boundary, static_cast<std::int64_t>(step.last - step.first + 1) - step.home);
    EXPECT_EQ(said->journey.end, step.end);
  }
}

}  // namespace
}  // namespace quirlweg
