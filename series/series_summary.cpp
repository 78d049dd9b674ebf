#include "series/series_summary.h"

#include <algorithm>
#include <cmath>

#include "series/binomial_test.h"
#include "series/mean_test.h"

namespace quirlweg {
namespace {

constexpr std::array<std::string_view, kSeriesRowCount> kRowKeys{
    "home", "boundary", "top", "right", "bottom", "left", "z", "mean"};

RowEstimate ShareRow(int count, int total) {
  RowEstimate row;
  row.count = count;
  row.measured = total > 0 ? static_cast<double>(count) / total : 0.0;
  if (const auto range = ExactShareRange(count, total)) {
    row.low = range->first;
    row.high = range->second;
  }
  return row;
}

// The measured mean shifted by how far the exact test lets a mean stray from the exact one
// on either side: the exact mean lies inside exactly when the test keeps the series' total.
// Where the totals spread too wide to compute, the normal range with the exact deviation.
std::pair<double, double> MeanRange(const theory::JourneyStatistics& exact, double measured,
                                    int journeys) {
  if (const auto totals = AcceptedLengthTotals(exact.lengthDistribution, journeys)) {
    const double lowest = static_cast<double>(totals->first) / journeys;
    const double highest = static_cast<double>(totals->second) / journeys;
    return std::pair{measured - (highest - exact.meanLength),
                     measured + (exact.meanLength - lowest)};
  }
  const double halfWidth =
      kNormalQuantile95 * exact.sdLength / std::sqrt(static_cast<double>(journeys));
  return std::pair{measured - halfWidth, measured + halfWidth};
}

// `shortest`: no journey of the setting is shorter, so neither is the range.
RowEstimate MeanRow(const JourneySeries& journeys, const theory::JourneyStatistics* exact,
                    int shortest) {
  RowEstimate row;
  if (journeys.empty()) return row;
  const auto n = static_cast<int>(journeys.size());
  row.measured = static_cast<double>(journeys.LengthSum()) / n;
  if (n < 2 || !exact) return row;
  const auto [low, high] = MeanRange(*exact, row.measured, n);
  row.low = std::max(low, static_cast<double>(shortest));
  row.high = high;
  return row;
}

}  // namespace

std::string_view RowKey(SeriesRow row) {
  return kRowKeys[static_cast<std::size_t>(row)];
}

std::optional<SeriesRow> RowOfKey(std::string_view key) {
  const auto found = std::find(kRowKeys.begin(), kRowKeys.end(), key);
  if (found == kRowKeys.end()) return std::nullopt;
  return static_cast<SeriesRow>(found - kRowKeys.begin());
}

int ShortestJourney(const theory::Setting& s) {
  const int x = std::abs(s.startX);
  const int y = std::abs(s.startY);
  // Straight to the nearest side; a line walks along x alone.
  int shortest = s.radius - (s.dimension == 1 ? x : std::max(x, y));
  if (s.homeAbsorbs) {
    const int home = x + y;
    if (home == 0) {
      shortest = std::min(shortest, 2);  // away and back
    } else if (s.dimension > 1 || y == 0) {
      shortest = std::min(shortest, home);
    }
  }
  return shortest;
}

bool SameWalk(const theory::Setting& a, const theory::Setting& b) {
  if (a.dimension != b.dimension || a.radius != b.radius || a.startX != b.startX ||
      a.startY != b.startY || a.homeAbsorbs != b.homeAbsorbs) {
    return false;
  }
  // Only the walk along a line steps by p; off row 0 it still does, and never comes home.
  return a.dimension != 1 || a.rightProbability == b.rightProbability;
}

std::optional<std::pair<double, double>> WilsonInterval(int count, int total) {
  if (total <= 0) return std::nullopt;
  const double n = total;
  const double p = count / n;
  const double z2 = kNormalQuantile95 * kNormalQuantile95;
  const double centre = (p + z2 / (2 * n)) / (1 + z2 / n);
  const double half =
      kNormalQuantile95 / (1 + z2 / n) * std::sqrt(p * (1 - p) / n + z2 / (4 * n * n));
  return std::pair{std::max(0.0, centre - half), std::min(1.0, centre + half)};
}

bool RowShown(SeriesRow row, int dimension) {
  if (row == SeriesRow::ZFace) return dimension == 3;
  if (row == SeriesRow::Top || row == SeriesRow::Bottom) return dimension != 1;
  return true;
}

bool EndsIn(JourneyEnd end, SeriesRow row) {
  switch (row) {
    case SeriesRow::Home:
      return end == JourneyEnd::Home;
    case SeriesRow::Boundary:
      return end != JourneyEnd::Home;
    case SeriesRow::Top:
      return end == JourneyEnd::Top;
    case SeriesRow::Right:
      return end == JourneyEnd::Right;
    case SeriesRow::Bottom:
      return end == JourneyEnd::Bottom;
    case SeriesRow::Left:
      return end == JourneyEnd::Left;
    case SeriesRow::ZFace:
      return end == JourneyEnd::ZFace;
    case SeriesRow::MeanLength:
      break;
  }
  return false;
}

SeriesSummary Summarize(const JourneySeries& journeys, const theory::Setting& current,
                        const theory::JourneyStatistics* exact) {
  SeriesSummary summary;
  summary.journeys = static_cast<int>(journeys.size());
  for (int r = 0; r < kSeriesRowCount - 1; ++r) {
    std::int64_t count = 0;
    for (int e = 0; e < 6; ++e) {
      const auto end = static_cast<JourneyEnd>(e);
      if (EndsIn(end, static_cast<SeriesRow>(r))) count += journeys.EndCount(end);
    }
    summary.rows[r] = ShareRow(static_cast<int>(count), summary.journeys);
  }
  summary.mixesSettings =
      std::any_of(journeys.Settings().begin(), journeys.Settings().end(),
                  [&](const JourneySetting& s) { return !SameWalk(s, current); });
  // The exact lengths say nothing of a series of other settings.
  if (summary.mixesSettings) exact = nullptr;
  summary.rows[static_cast<int>(SeriesRow::MeanLength)] =
      MeanRow(journeys, exact, summary.mixesSettings ? 1 : ShortestJourney(current));
  return summary;
}

std::optional<double> ExactValue(const theory::JourneyStatistics& exact, SeriesRow row,
                                 int dimension) {
  switch (row) {
    case SeriesRow::Home:
      return exact.home;
    case SeriesRow::Boundary:
      return exact.top + exact.right + exact.bottom + exact.left + exact.zFace;
    case SeriesRow::Top:
      return exact.top;
    case SeriesRow::Right:
      return exact.right;
    case SeriesRow::Bottom:
      return exact.bottom;
    case SeriesRow::Left:
      return exact.left;
    case SeriesRow::ZFace:
      if (dimension != 3) return std::nullopt;
      return exact.zFace;
    case SeriesRow::MeanLength:
      return exact.meanLength;
  }
  return std::nullopt;
}

bool OutsideRange(const SeriesSummary& summary, SeriesRow row, double exact) {
  if (summary.mixesSettings) return false;
  const RowEstimate& estimate = summary[row];
  // A share is marked where the exact test refuses the exact value: one in twenty at most.
  if (estimate.count) return BinomialTestRefuses(*estimate.count, summary.journeys, exact);
  if (!estimate.low || !estimate.high) return false;
  // A share the walk cannot take (exactly 0 or 1) lies on its range's edge, never outside.
  constexpr double kSlack = 1e-9;
  return exact < *estimate.low - kSlack || exact > *estimate.high + kSlack;
}

}  // namespace quirlweg
