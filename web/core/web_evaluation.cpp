#include "web_evaluation.h"

#include <algorithm>
#include <cmath>

#include "engine/walk.h"

namespace quirlweg::web {
namespace {

constexpr double kZ = 1.96;
// Enough points for a smooth curve; more only cost drawing time while a run goes on.
constexpr std::size_t kMostPoints = 300;
constexpr int kLengthClasses = 40;

// As the main window's boxes show it: cut to two decimals by the window's own rule.
double MeasuredValue(SeriesRow row, const RowEstimate& estimate, const JourneySeries& journeys) {
  const auto n = static_cast<int>(journeys.size());
  if (row != SeriesRow::MeanLength) return ShareOf(*estimate.count, n - *estimate.count) / 100;
  return MeanLength(journeys.LengthSum(), n);
}

SeriesRow FollowedRow(const theory::Setting& setting, SeriesRow side) {
  if (setting.homeAbsorbs) return SeriesRow::Home;
  // A side the walk cannot reach in this dimension would show a flat zero.
  const bool vertical = side == SeriesRow::Top || side == SeriesRow::Bottom;
  if (setting.dimension == 1 && vertical) return SeriesRow::Right;
  if (setting.dimension != 3 && side == SeriesRow::ZFace) return SeriesRow::Top;
  if (side == SeriesRow::Home || side == SeriesRow::Boundary || side == SeriesRow::MeanLength)
    return setting.dimension == 1 ? SeriesRow::Right : SeriesRow::Top;
  return side;
}

std::vector<CurvePoint> Convergence(const JourneySeries& journeys, SeriesRow row,
                                    std::optional<double> exact) {
  std::vector<CurvePoint> curve;
  const std::size_t n = journeys.size();
  if (n == 0) return curve;
  std::array<bool, 6> hit{};  // by JourneyEnd
  for (std::size_t e = 0; e < hit.size(); ++e) hit[e] = EndsIn(static_cast<JourneyEnd>(e), row);
  const std::size_t stride = std::max<std::size_t>(1, (n + kMostPoints - 1) / kMostPoints);
  std::int64_t hits = 0;
  std::size_t from = 0;
  for (std::size_t to = std::min(stride, n);; to = std::min(to + stride, n)) {
    for (std::size_t i = from; i < to; ++i)
      hits += hit[static_cast<std::size_t>(journeys.EndAt(i))];
    from = to;
    CurvePoint point{static_cast<double>(to), 100.0 * static_cast<double>(hits) / to, {}, {}};
    if (exact) {
      const double halfWidth = kZ * std::sqrt(*exact * (1 - *exact) / point.journeys);
      point.low = 100 * std::max(0.0, *exact - halfWidth);
      point.high = 100 * std::min(1.0, *exact + halfWidth);
    }
    curve.push_back(point);
    if (to == n) break;
  }
  return curve;
}

// About kLengthClasses classes up to `longest`, even above 1, so that every class holds as many
// odd as even lengths (on the lattice one of the two may be impossible).
std::int64_t ClassWidth(std::int64_t longest) {
  std::int64_t width = std::max<std::int64_t>(1, (longest + kLengthClasses - 1) / kLengthClasses);
  if (width > 1 && width % 2 == 1) ++width;
  return width;
}

// The length below which `coverage` of the exact distribution lies.
std::int64_t ExactQuantile(const std::vector<double>& distribution, double coverage) {
  double covered = 0;
  for (std::size_t n = 0; n < distribution.size(); ++n) {
    covered += distribution[n];
    if (covered >= coverage) return static_cast<std::int64_t>(n);
  }
  return static_cast<std::int64_t>(distribution.size());
}

LengthClasses Lengths(const JourneySeries& journeys,
                      const std::optional<theory::JourneyStatistics>& exact) {
  std::int64_t longest = std::max<std::int64_t>(10, journeys.Longest());
  const bool withDistribution = exact && !exact->lengthDistribution.empty();
  if (withDistribution) {
    longest = std::max(longest, ExactQuantile(exact->lengthDistribution, 0.995));
  } else if (exact) {
    longest = std::max(longest, static_cast<std::int64_t>(exact->meanLength + 2 * exact->sdLength));
  }
  LengthClasses classes;
  classes.width = ClassWidth(longest);
  const auto width = static_cast<std::size_t>(classes.width);
  const std::size_t count = static_cast<std::size_t>(longest) / width + 1;
  classes.measured.assign(count, 0.0);
  const double share = journeys.empty() ? 0.0 : 100.0 / static_cast<double>(journeys.size());
  const auto& lengths = journeys.LengthCounts();
  for (std::size_t n = 0; n < lengths.size() && n / width < count; ++n)
    classes.measured[n / width] += share * static_cast<double>(lengths[n]);
  if (withDistribution) {
    classes.exact.assign(count, 0.0);
    const auto& p = exact->lengthDistribution;
    for (std::size_t n = 0; n < p.size() && n / width < count; ++n)
      classes.exact[n / width] += 100 * p[n];
  }
  return classes;
}

}  // namespace

EvaluationFigures Evaluate(const JourneySeries& journeys, const theory::Setting& current,
                           const std::optional<theory::JourneyStatistics>& exact, SeriesRow side) {
  EvaluationFigures figures;
  const SeriesSummary summary =
      Summarize(journeys, current, exact ? std::optional(exact->sdLength) : std::nullopt);
  figures.journeys = summary.journeys;
  figures.mixesSettings = summary.mixesSettings;
  for (int r = 0; r < kSeriesRowCount; ++r) {
    const auto row = static_cast<SeriesRow>(r);
    const RowEstimate& estimate = summary[row];
    TableRow& shown = figures.rows[static_cast<std::size_t>(r)];
    shown.count = estimate.count;
    if (summary.journeys > 0) shown.measured = MeasuredValue(row, estimate, journeys);
    shown.low = estimate.low;
    shown.high = estimate.high;
    if (exact) shown.exact = ExactValue(*exact, row, current.dimension);
    shown.outside = shown.exact && OutsideRange(summary, row, *shown.exact);
  }
  figures.followed = FollowedRow(current, side);
  const auto exactShare = figures.rows[static_cast<std::size_t>(figures.followed)].exact;
  figures.convergence = Convergence(journeys, figures.followed, exactShare);
  figures.lengths = Lengths(journeys, exact);
  return figures;
}

}  // namespace quirlweg::web
