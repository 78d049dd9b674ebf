#include "coverage_lines.h"

#include <array>
#include <cstdio>
#include <string>

#include "bench_settings.h"
#include "series/journey_series.h"
#include "series/series_summary.h"
#include "sweep/silent_walk.h"
#include "theory/journey_statistics.h"

namespace quirlweg::bench {
namespace {

// A row the setting has: its walk can end there (home only where home absorbs).
bool SettingHas(const theory::Setting& setting, SeriesRow row) {
  if (row == SeriesRow::Home) return setting.homeAbsorbs;
  return RowShown(row, setting.dimension);
}

}  // namespace

int RunCoverageLine(const BenchOptions& options) {
  const theory::Setting setting = SettingOf(options);
  const auto exact = theory::ComputeJourneyStatistics(setting);
  if (!exact) return 1;
  std::array<std::int64_t, kSeriesRowCount> marked{};
  JourneySeries series;
  std::int64_t done = 0;
  // One generator for all series: consecutive journeys of one stream are independent.
  WalkSilently(setting, options.coverage * options.coverageSeries, options.seed,
               [&](const JourneyRecord& journey) {
                 series.Add(journey);
                 if (static_cast<std::int64_t>(series.size()) < options.coverage) return true;
                 const SeriesSummary summary = Summarize(series, setting, &*exact);
                 for (int r = 0; r < kSeriesRowCount; ++r) {
                   const auto row = static_cast<SeriesRow>(r);
                   const auto value = ExactValue(*exact, row, setting.dimension);
                   if (value && OutsideRange(summary, row, *value)) ++marked[r];
                 }
                 series.Clear();
                 ++done;
                 return true;
               });
  std::printf("coverage journeys=%lld series=%lld", static_cast<long long>(options.coverage),
              static_cast<long long>(done));
  for (int r = 0; r < kSeriesRowCount; ++r) {
    if (!SettingHas(setting, static_cast<SeriesRow>(r))) continue;
    std::printf(
        " marked_%s=%.4f", std::string(RowKey(static_cast<SeriesRow>(r))).c_str(),
        static_cast<double>(marked[static_cast<std::size_t>(r)]) / static_cast<double>(done));
  }
  std::printf("\n");
  return 0;
}

}  // namespace quirlweg::bench
