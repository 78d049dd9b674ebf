#pragma once

#include <chrono>
#include <optional>

#include "journey_tally.h"

namespace quirlweg::bench {

// A run's totals and how long its journeys took, setting up left out.
struct TimedRun {
  JourneyTally tally;
  double seconds = 0;
  std::optional<int> frames;  // screen updates, where there is a screen
};

template <class Run>
double SecondsOf(Run&& run) {
  const auto start = std::chrono::steady_clock::now();
  run();
  const std::chrono::duration<double> elapsed = std::chrono::steady_clock::now() - start;
  return elapsed.count();
}

}  // namespace quirlweg::bench
