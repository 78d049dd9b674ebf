#pragma once

#include <QObject>
#include <QTimer>
#include <chrono>
#include <cstdint>
#include <functional>

#include "lesson/tempo_scale.h"

namespace quirlweg {

// A run taken step by step at a set tempo while the event loop keeps running. Up to the
// screen's refresh every step gets a frame of its own; above it, each frame first takes the
// steps that fell due since the last one. Due steps are counted from a time origin, so timer
// jitter does not change the rate; after a stall (a notice held open) the backlog is dropped.
class PacedRun : public QObject {
  Q_OBJECT

 public:
  // `step` takes one step and is false once the run is over; `frame` brings the screen up to
  // date.
  PacedRun(std::function<bool()> step, std::function<void()> frame, QObject* parent = nullptr);

  void Start(int stepsPerSecond);
  // Takes effect at once: the steps due are counted afresh from now.
  void SetTempo(int stepsPerSecond);
  // Ends the run after the step being taken; the walk stays where that step left it.
  void Stop();
  bool IsRunning() const { return running_; }

 signals:
  void Finished();

 private:
  using Clock = std::chrono::steady_clock;
  void Tick();
  void Rebase(Clock::time_point now);
  void ScheduleNextTick(Clock::time_point now);
  std::int64_t MostStepsPerFrame() const;

  std::function<bool()> step_;
  std::function<void()> frame_;
  QTimer timer_;
  int tempo_ = 1;
  bool running_ = false;
  bool inStep_ = false;
  Clock::time_point origin_{};
  std::int64_t stepsSinceOrigin_ = 0;
};

}  // namespace quirlweg
