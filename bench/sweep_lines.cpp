#include "sweep_lines.h"

#include <cstdio>

#include "exact_files.h"
#include "sweep/sweep.h"
#include "timed_run.h"

namespace quirlweg::bench {

namespace {

const char* NameOf(SweepAxis axis) {
  switch (axis) {
    case SweepAxis::kRadius:
      return "radius";
    case SweepAxis::kProbability:
      return "probability";
    case SweepAxis::kStart:
      return "start";
    case SweepAxis::kDimensions:
      return "dimensions";
  }
  return "?";
}

}  // namespace

int RunSweepLines(const BenchOptions& options) {
  const auto points = SweepPoints(TheorySettingOf(options), *options.sweep);
  std::optional<std::vector<theory::JourneyStatistics>> exact;
  const double exactSeconds = SecondsOf([&] { exact = ExactSweep(points); });
  std::optional<std::vector<MeasuredPoint>> measured;
  const double seconds = SecondsOf([&] {
    measured = MeasureSweep(points, {options.perPoint, options.threads, options.seed});
  });
  if (!exact || !measured) return 1;

  std::int64_t steps = 0;
  for (std::size_t i = 0; i < points.size(); ++i) {
    const theory::Setting& s = points[i];
    const MeasuredPoint& m = (*measured)[i];
    const double journeys = static_cast<double>(m.journeys);
    std::printf(
        "dimension=%d radius=%d p=%.2f start=%d,%d journeys=%lld home=%.6f exact_home=%.12g "
        "mean_length=%.4f exact_mean_length=%.12g\n",
        s.dimension, s.radius, s.rightProbability, s.startX, s.startY,
        static_cast<long long>(m.journeys), m.homeEnds / journeys, (*exact)[i].home,
        static_cast<double>(m.steps) / journeys, (*exact)[i].meanLength);
    steps += m.steps;
  }
  std::printf(
      "sweep=%s points=%zu threads=%d steps=%lld seconds=%.4f steps_per_s=%.0f "
      "exact_seconds=%.4f\n",
      NameOf(*options.sweep), points.size(), options.threads, static_cast<long long>(steps),
      seconds, seconds > 0 ? static_cast<double>(steps) / seconds : 0.0, exactSeconds);
  return 0;
}

}  // namespace quirlweg::bench
