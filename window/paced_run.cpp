#include "window/paced_run.h"

#include <algorithm>
#include <cstdint>

namespace quirlweg {
namespace {

constexpr auto kFramePeriod = std::chrono::microseconds(1'000'000 / kFramesPerSecond);

StepPacing::Time Reading(std::chrono::steady_clock::time_point now) {
  return now.time_since_epoch();
}

}  // namespace

PacedRun::PacedRun(std::function<bool()> step, std::function<void()> frame, QObject* parent)
    : QObject(parent), step_(std::move(step)), frame_(std::move(frame)) {
  timer_.setSingleShot(true);
  timer_.setTimerType(Qt::PreciseTimer);
  connect(&timer_, &QTimer::timeout, this, &PacedRun::Tick);
}

void PacedRun::Start(int stepsPerSecond) {
  running_ = true;
  pacing_.Start(stepsPerSecond, Reading(Clock::now()));
  timer_.start(0);
}

void PacedRun::SetTempo(int stepsPerSecond) {
  const auto now = Clock::now();
  pacing_.SetTempo(stepsPerSecond, Reading(now));
  if (running_) ScheduleNextTick(now);
}

void PacedRun::Stop() {
  if (!running_) return;
  running_ = false;
  timer_.stop();
  emit Finished();
}

void PacedRun::Tick() {
  if (!running_) return;
  if (inStep_) {
    // A step holds a notice open, whose event loop brought us here: wait for it.
    timer_.start(std::chrono::duration_cast<std::chrono::milliseconds>(kFramePeriod));
    return;
  }
  const std::int64_t due = pacing_.TakeDue(Reading(Clock::now()));
  bool goesOn = true;
  if (due > 0) {
    inStep_ = true;
    for (std::int64_t i = 0; i < due && goesOn && running_; ++i) goesOn = step_();
    inStep_ = false;
    frame_();
  }
  if (!running_) return;  // stopped from within a step (the window closed, say)
  if (!goesOn) {
    Stop();
    return;
  }
  ScheduleNextTick(Clock::now());
}

void PacedRun::ScheduleNextTick(Clock::time_point now) {
  auto wait = std::chrono::duration_cast<Clock::duration>(kFramePeriod);
  if (pacing_.StepsPerSecond() <= kFramesPerSecond) {
    const auto untilNext =
        std::chrono::duration_cast<Clock::duration>(pacing_.NextStepDue() - Reading(now));
    wait = std::max(untilNext, Clock::duration::zero());
  }
  timer_.start(std::chrono::ceil<std::chrono::milliseconds>(wait));
}

}  // namespace quirlweg
