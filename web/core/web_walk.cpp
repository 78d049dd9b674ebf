#include "web_walk.h"

#include <algorithm>
#include <stdexcept>

namespace quirlweg::web {

void WebSettings::SetDimension(int dimension) {
  dimension_ = std::clamp(dimension, 1, 3);
}

void WebSettings::SetRightPercent(int percent) {
  rightProbability_ = std::clamp(percent, 0, 100) / 100.0;
}

void WebSettings::SetLatticeSize(int radius) {
  latticeSize_ = std::clamp(radius, 2, 50);
}

void WebSettings::SetMode(int mode) {
  mode_ = static_cast<RunMode>(std::clamp(mode, 0, 2));
}

WebWalk::WebWalk(std::uint64_t seed)
    : source_(Xoshiro128(seed)), walk_(displays_, displays_, displays_, settings_, source_) {}

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

EvaluationFigures WebWalk::Evaluation(SeriesRow side) const {
  const theory::Setting current = ExactSetting();
  const bool known = exact_ && SameWalk(exactSetting_, current);
  return Evaluate(displays_.Series(), current, known ? exact_ : std::nullopt, side);
}

std::array<std::optional<double>, kSeriesRowCount> WebWalk::ExactRows() const {
  std::array<std::optional<double>, kSeriesRowCount> rows{};
  if (!exact_) return rows;
  for (int r = 0; r < kSeriesRowCount; ++r) {
    rows[static_cast<std::size_t>(r)] =
        ExactValue(*exact_, static_cast<SeriesRow>(r), exactSetting_.dimension);
  }
  return rows;
}

}  // namespace quirlweg::web
