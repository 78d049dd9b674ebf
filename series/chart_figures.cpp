#include "series/chart_figures.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>

namespace quirlweg {
namespace {

// Enough points for a smooth curve; more only cost drawing time while a run goes on.
constexpr std::size_t kMostPoints = 300;
constexpr int kLengthClasses = 40;
// About this many ticks along an axis.
constexpr int kTicks = 5;

// After which journeys the convergence curve has a point.
std::vector<std::size_t> CurvePoints(std::size_t journeys, bool logarithmic) {
  std::vector<std::size_t> points;
  if (journeys == 0) return points;
  if (!logarithmic) {
    const std::size_t stride = std::max<std::size_t>(1, (journeys + kMostPoints - 1) / kMostPoints);
    for (std::size_t k = stride; k < journeys; k += stride) points.push_back(k);
  } else {
    const double last = std::log(static_cast<double>(journeys));
    for (std::size_t i = 0; i < kMostPoints; ++i) {
      const auto k =
          static_cast<std::size_t>(std::exp(last * static_cast<double>(i) / kMostPoints));
      if (k >= 1 && k < journeys && (points.empty() || k > points.back())) points.push_back(k);
    }
  }
  points.push_back(journeys);
  return points;
}

// The class width: about kLengthClasses classes up to `longest`, even above 1, so that every
// class holds as many odd as even lengths (on the lattice one of the two may be impossible).
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

// From 0 to the first multiple of its tick step at or above `top`.
ChartAxis RoundAxis(double top) {
  const double step = TickStep(top);
  return {0, std::max(step, std::ceil(top / step) * step), step};
}

}  // namespace

SeriesRow FollowedRow(const theory::Setting& setting, SeriesRow side) {
  if (setting.homeAbsorbs) return SeriesRow::Home;
  // A side the walk cannot reach in this dimension would show a flat zero.
  const bool isSide = std::find(kSideRows.begin(), kSideRows.end(), side) != kSideRows.end();
  if (isSide && RowShown(side, setting.dimension)) return side;
  return setting.dimension == 1 ? SeriesRow::Right : SeriesRow::Top;
}

double TickStep(double top) {
  if (!(top > 0)) return 1;
  const double raw = top / kTicks;
  const double power = std::pow(10.0, std::floor(std::log10(raw)));
  for (const double m : {1.0, 2.0, 5.0}) {
    if (m * power >= raw) return m * power;
  }
  return 10 * power;
}

const char* AxisLabelFormat(const ChartAxis& axis) {
  return axis.wholeNumbers ? "%.0f" : "%g";
}

std::vector<AxisTick> AxisTicks(const ChartAxis& axis, std::string_view separator) {
  const auto text = [&](double value) {
    std::array<char, 32> buffer{};
    std::snprintf(buffer.data(), buffer.size(), AxisLabelFormat(axis), value);
    std::string written(buffer.data());
    if (const auto point = written.find('.'); point != std::string::npos) {
      written.replace(point, 1, separator);
    }
    return written;
  };
  std::vector<AxisTick> ticks;
  if (!(axis.high >= axis.low)) return ticks;
  if (axis.step > 0) {
    // Counted rather than summed, so that no tick drifts off its multiple of the step.
    const auto first = static_cast<std::int64_t>(std::ceil(axis.low / axis.step - 1e-9));
    for (std::int64_t k = first; k * axis.step <= axis.high * (1 + 1e-12) && ticks.size() < 1000;
         ++k) {
      const double value = static_cast<double>(k) * axis.step;
      ticks.push_back({value, text(value)});
    }
  } else {
    for (double value = std::pow(10.0, std::ceil(std::log10(std::max(axis.low, 1e-300))));
         value <= axis.high * (1 + 1e-12) && ticks.size() < 1000; value *= 10) {
      ticks.push_back({value, text(value)});
    }
  }
  return ticks;
}

ChartAxes ConvergenceAxes(std::size_t journeys, bool logarithmic) {
  const double last = std::max(10.0, static_cast<double>(journeys));
  ChartAxes axes;
  axes.x = logarithmic ? ChartAxis{1, last, 0} : RoundAxis(last);
  axes.x.wholeNumbers = !logarithmic;
  // Fixed, so that the curve does not jump while a run goes on; the band shows the spread.
  axes.y = {0, 100, TickStep(100)};
  return axes;
}

ChartAxes LengthAxes(const LengthClasses& classes) {
  const auto width = static_cast<double>(classes.width);
  double highest = 1;
  for (const double share : classes.measured) highest = std::max(highest, share);
  for (const double share : classes.exact) highest = std::max(highest, share);
  ChartAxes axes;
  // As far as the classes reach, so that the bars fill the chart.
  const double reach = static_cast<double>(classes.measured.size()) * width;
  axes.x = {0, reach, TickStep(reach)};
  axes.y = RoundAxis(highest * 1.1);
  return axes;
}

std::vector<CurvePoint> ConvergenceCurve(const JourneySeries& journeys, SeriesRow row,
                                         std::optional<double> exact, bool logarithmic) {
  std::vector<CurvePoint> curve;
  std::array<bool, 6> hit{};  // by JourneyEnd
  for (std::size_t e = 0; e < hit.size(); ++e) hit[e] = EndsIn(static_cast<JourneyEnd>(e), row);
  std::int64_t hits = 0;
  std::size_t from = 0;
  for (const std::size_t to : CurvePoints(journeys.size(), logarithmic)) {
    // Up to the next point of the curve in one tight loop: a million journeys take a few ms.
    for (std::size_t i = from; i < to; ++i)
      hits += hit[static_cast<std::size_t>(journeys.EndAt(i))];
    from = to;
    const auto n = static_cast<double>(to);
    CurvePoint point{n, 100.0 * static_cast<double>(hits) / n, {}, {}};
    if (exact) {
      const double halfWidth = kNormalQuantile95 * std::sqrt(*exact * (1 - *exact) / n);
      point.low = 100 * std::max(0.0, *exact - halfWidth);
      point.high = 100 * std::min(1.0, *exact + halfWidth);
    }
    curve.push_back(point);
  }
  return curve;
}

LengthClasses ClassifyLengths(const JourneySeries& journeys,
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

}  // namespace quirlweg
