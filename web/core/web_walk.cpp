#include "web_walk.h"

#include <algorithm>
#include <stdexcept>

#include "lesson/series_seed.h"

namespace quirlweg::web {

void WebSettings::SetDimension(int dimension) {
  dimension_ = std::clamp(dimension, 1, 3);
}

void WebSettings::SetRightPercent(int percent) {
  rightProbability_ = std::clamp(percent, 0, kMostPercent) / 100.0;
}

void WebSettings::SetLatticeSize(int radius) {
  latticeSize_ = std::clamp(radius, kSmallestRadius, kLargestRadius);
}

void WebSettings::SetMode(int mode) {
  mode_ = static_cast<RunMode>(std::clamp(mode, 0, 2));
}

WebWalk::WebWalk(std::uint64_t seed)
    : seed_(seed),
      source_(Xoshiro128(seed)),
      walk_(displays_, displays_, displays_, settings_, source_) {
  displays_.WhenSeriesCleared([this] {
    seed_ = NextSeriesSeed(seed_, source_.generator());
    source_ = GeneratorSource(Xoshiro128(seed_));
  });
}

void WebWalk::UseSeed(std::uint64_t seed) {
  displays_.HideEndMarker();
  walk_.ClearTraces();
  walk_.ResetCounters();
  // The walker stands on the start point, at step 0 of the series' first journey.
  WalkState& state = walk_.state();
  state.stepCount = 0;
  displays_.ShowCoordinates(state.posX, -state.posY, state.posZ);
  displays_.ShowStepCount(0);
  seed_ = std::min(seed, kLargestSeed);
  source_ = GeneratorSource(Xoshiro128(seed_));
}

void WebWalk::WalkJourneys(std::int64_t journeys) {
  const RunMode mode = settings_.Mode();
  settings_.SetMode(static_cast<int>(RunMode::TwentyJourneys));
  for (std::int64_t i = 0; i < journeys / 20; ++i) walk_.Start();
  settings_.SetMode(static_cast<int>(RunMode::Journey));
  for (std::int64_t i = 0; i < journeys % 20; ++i) walk_.Start();
  settings_.SetMode(static_cast<int>(mode));
}

std::optional<Experiment> WebWalk::SeriesExperiment() const {
  const JourneySeries& series = displays_.Series();
  if (series.empty() || series.Settings().size() != 1 || series.size() > kMostSavedJourneys) {
    return std::nullopt;
  }
  Experiment e;
  e.setting = series.Settings().front();
  e.mode = settings_.Mode();
  e.seed = seed_;
  for (const JourneyRecord& j : series) e.series.push_back(SavedJourneyOf(j));
  return e;
}

void WebWalk::Load() {
  walk_.DrawLattice();
  displays_.HideEndMarker();
  walk_.StartUp();
}

bool WebWalk::ContinueRun(int maxSteps) {
  for (int i = 0; i < maxSteps; ++i) {
    if (!walk_.ContinueStepwiseRun()) return false;
  }
  return true;
}

theory::Setting WebWalk::ExactSetting() const {
  return walk_.CurrentJourneySetting();
}

const std::optional<theory::JourneyStatistics>& WebWalk::ComputeExact() {
  exactSetting_ = ExactSetting();
  try {
    exact_ = theory::ComputeJourneyStatistics(exactSetting_);
  } catch (const std::invalid_argument&) {
    exact_.reset();
  }
  return exact_;
}

bool WebWalk::TakeExact(const theory::Setting& setting,
                        std::optional<theory::JourneyStatistics> statistics) {
  if (setting != ExactSetting()) return false;
  exactSetting_ = setting;
  exact_ = std::move(statistics);
  return true;
}

std::optional<theory::JourneyStatistics> WebWalk::CurrentExact() const {
  if (!exact_ || !SameWalk(exactSetting_, ExactSetting())) return std::nullopt;
  return exact_;
}

EvaluationFigures WebWalk::Evaluation(SeriesRow side, bool logarithmic) const {
  EvaluationFigures figures =
      Evaluate(displays_.Series(), ExactSetting(), ExactHidden() ? std::nullopt : CurrentExact(),
               side, logarithmic);
  figures.exactHidden = ExactHidden();
  figures.guess = guess_;
  return figures;
}

std::array<std::optional<double>, kSeriesRowCount> WebWalk::ExactRows() const {
  std::array<std::optional<double>, kSeriesRowCount> rows{};
  if (!exact_ || ExactHidden()) return rows;
  for (int r = 0; r < kSeriesRowCount; ++r) {
    rows[static_cast<std::size_t>(r)] =
        ExactValue(*exact_, static_cast<SeriesRow>(r), exactSetting_.dimension);
  }
  return rows;
}

}  // namespace quirlweg::web
