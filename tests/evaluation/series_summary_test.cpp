#include "evaluation/series_summary.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string_view>

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

  // Lengths 2, 4, 6: mean 4, sample SD 2, standard error 2 / sqrt(3).
  const SeriesSummary s = Summarize(
      {Journey(2, JourneyEnd::Home), Journey(4, JourneyEnd::Top), Journey(6, JourneyEnd::ZFace)},
      theory::Setting{});
  EXPECT_DOUBLE_EQ(s[SeriesRow::MeanLength].measured, 4);
  EXPECT_NEAR(*s[SeriesRow::MeanLength].low, 4 - 1.96 * 2 / std::sqrt(3.0), 1e-12);
  EXPECT_NEAR(*s[SeriesRow::MeanLength].high, 4 + 1.96 * 2 / std::sqrt(3.0), 1e-12);
  EXPECT_EQ(s[SeriesRow::Boundary].count, 2);
  EXPECT_EQ(s[SeriesRow::ZFace].count, 1);
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
    const theory::Setting current = theory::SettingOf(same.setting);
    // A series of both, and a series of the other alone: neither matches the current setting.
    EXPECT_EQ(Summarize({same, other}, current).mixesSettings, c.mixes) << c.change;
    EXPECT_EQ(Summarize({other}, current).mixesSettings, c.mixes) << c.change;
    const SeriesSummary summary = Summarize({other, other}, current);
    if (c.mixes) {
      EXPECT_FALSE(OutsideRange(summary, SeriesRow::Right, 0.0)) << c.change;
    }
  }
}

}  // namespace
}  // namespace quirlweg
