#pragma once

#include <QObject>
#include <QTimer>
#include <chrono>
#include <functional>

#include "lesson/step_pacing.h"

namespace quirlweg {

// A run taken step by step at a set tempo while the event loop keeps running. Up to the
// screen's refresh every step gets a frame of its own; above it, each frame first takes the
// steps that fell due since the last one, as StepPacing counts them.
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
  void ScheduleNextTick(Clock::time_point now);

  std::function<bool()> step_;
  std::function<void()> frame_;
  QTimer timer_;
  StepPacing pacing_;
  bool running_ = false;
  bool inStep_ = false;
};

}  // namespace quirlweg
