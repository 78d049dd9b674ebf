#pragma once

#include <chrono>
#include <cstdint>

namespace quirlweg {

// The screen's refresh: up to this many steps per second each step is a frame of its own.
inline constexpr int kFramesPerSecond = 60;

// When the steps of a paced run fall due, by a clock the caller reads: the window's timer and
// the page's animation frames pace alike. Due steps are counted from a time origin, so that
// jitter does not change the rate; after a stall (a notice held open, a hidden page) a frame
// catches up at most twice its share, and the rest of the backlog is dropped.
class StepPacing {
 public:
  // Any steady clock's reading.
  using Time = std::chrono::duration<double>;

  // The first step is due at once.
  void Start(int stepsPerSecond, Time now);
  // Takes effect at once: the steps due are counted afresh from now. The fastest position
  // (kFastestTempo) paces at the scale's fastest tempo.
  void SetTempo(int stepsPerSecond, Time now);
  // The steps due at `now`, counted as taken.
  std::int64_t TakeDue(Time now);
  // When the step after those taken falls due.
  Time NextStepDue() const;
  // Up to the screen's refresh one step a frame, above it twice a frame's share.
  std::int64_t MostStepsPerFrame() const;
  int StepsPerSecond() const { return tempo_; }

 private:
  void Rebase(Time origin);

  int tempo_ = 1;
  Time origin_{};
  std::int64_t taken_ = 0;
};

}  // namespace quirlweg
