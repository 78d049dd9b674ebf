#include "lesson/step_pacing.h"

#include <algorithm>
#include <cmath>

#include "lesson/tempo_scale.h"

namespace quirlweg {
namespace {

int PacedTempo(int stepsPerSecond) {
  return std::max(1, stepsPerSecond == kFastestTempo ? kFastestPacedTempo : stepsPerSecond);
}

}  // namespace

void StepPacing::Start(int stepsPerSecond, Time now) {
  tempo_ = PacedTempo(stepsPerSecond);
  Rebase(now - Time(1.0 / tempo_));
}

void StepPacing::SetTempo(int stepsPerSecond, Time now) {
  tempo_ = PacedTempo(stepsPerSecond);
  Rebase(now);
}

void StepPacing::Rebase(Time origin) {
  origin_ = origin;
  taken_ = 0;
}

std::int64_t StepPacing::MostStepsPerFrame() const {
  if (tempo_ <= kFramesPerSecond) return 1;
  // Twice a frame's share, so that a late frame catches up without a burst.
  return 2 * (tempo_ + kFramesPerSecond - 1) / kFramesPerSecond;
}

std::int64_t StepPacing::TakeDue(Time now) {
  const auto due = static_cast<std::int64_t>(std::floor((now - origin_).count() * tempo_)) - taken_;
  if (due <= 0) return 0;
  const std::int64_t most = MostStepsPerFrame();
  if (due > most) {
    // The backlog beyond it is dropped: the steps taken now are those due just now.
    Rebase(now - Time(static_cast<double>(most) / tempo_));
  }
  const std::int64_t taken = std::min(due, most);
  taken_ += taken;
  return taken;
}

StepPacing::Time StepPacing::NextStepDue() const {
  return origin_ + Time(static_cast<double>(taken_ + 1) / tempo_);
}

}  // namespace quirlweg
