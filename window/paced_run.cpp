#include "window/paced_run.h"

#include <algorithm>
#include <cmath>

namespace quirlweg {
namespace {

// The screen's refresh: up to this many steps per second each step is a frame of its own.
constexpr int kFramesPerSecond = 60;
constexpr auto kFramePeriod = std::chrono::microseconds(1'000'000 / kFramesPerSecond);

}  // namespace

PacedRun::PacedRun(std::function<bool()> step, std::function<void()> frame, QObject* parent)
    : QObject(parent), step_(std::move(step)), frame_(std::move(frame)) {
  timer_.setSingleShot(true);
  timer_.setTimerType(Qt::PreciseTimer);
  connect(&timer_, &QTimer::timeout, this, &PacedRun::Tick);
}

void PacedRun::Start(int stepsPerSecond) {
  running_ = true;
  tempo_ = std::max(1, stepsPerSecond);
  // The first step is due at once.
  Rebase(Clock::now() -
         std::chrono::duration_cast<Clock::duration>(std::chrono::duration<double>(1.0 / tempo_)));
  timer_.start(0);
}

void PacedRun::SetTempo(int stepsPerSecond) {
  tempo_ = std::max(1, stepsPerSecond);
  if (!running_) return;
  const auto now = Clock::now();
  Rebase(now);
  ScheduleNextTick(now);
}

void PacedRun::Stop() {
  if (!running_) return;
  running_ = false;
  timer_.stop();
  emit Finished();
}

void PacedRun::Rebase(Clock::time_point now) {
  origin_ = now;
  stepsSinceOrigin_ = 0;
}

std::int64_t PacedRun::MostStepsPerFrame() const {
  if (tempo_ <= kFramesPerSecond) return 1;
  // Twice a frame's share, so that a late frame catches up without a burst.
  return 2 * (tempo_ + kFramesPerSecond - 1) / kFramesPerSecond;
}

void PacedRun::Tick() {
  if (!running_) return;
  const auto now = Clock::now();
  if (inStep_) {
    // A step holds a notice open, whose event loop brought us here: wait for it.
    timer_.start(std::chrono::duration_cast<std::chrono::milliseconds>(kFramePeriod));
    return;
  }
  const std::chrono::duration<double> elapsed = now - origin_;
  std::int64_t due =
      static_cast<std::int64_t>(std::floor(elapsed.count() * tempo_)) - stepsSinceOrigin_;
  if (due > MostStepsPerFrame()) {
    due = MostStepsPerFrame();
    Rebase(now - std::chrono::duration_cast<Clock::duration>(
                     std::chrono::duration<double>(static_cast<double>(due) / tempo_)));
  }
  bool goesOn = true;
  if (due > 0) {
    inStep_ = true;
    for (std::int64_t i = 0; i < due && goesOn && running_; ++i) {
      ++stepsSinceOrigin_;
      goesOn = step_();
    }
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
  if (tempo_ <= kFramesPerSecond) {
    const auto nextStep =
        origin_ + std::chrono::duration_cast<Clock::duration>(std::chrono::duration<double>(
                      static_cast<double>(stepsSinceOrigin_ + 1) / tempo_));
    wait = std::max(nextStep - now, Clock::duration::zero());
  }
  timer_.start(std::chrono::ceil<std::chrono::milliseconds>(wait));
}

}  // namespace quirlweg
