#pragma once

#include "bench_options.h"

namespace quirlweg::bench {

// The sweep of --sweep-window through the evaluation window's Versuchsreihe.
struct SweepWindowRun {
  bool completed = false;
  double seconds = 0;  // from the click on start to the chart shown
  // The longest time the window's thread went without handling its events during the sweep.
  double longestBusyMilliseconds = 0;
  double cancelMilliseconds = 0;     // from the click on cancel to the page idle again
  std::int64_t mainWindowSteps = 0;  // steps the main window took meanwhile: none
  std::size_t points = 0;
};

// Opens the program's window and its evaluation, as a user would, and runs the sweep on the
// Versuchsreihe page; then starts it once more, with a hundred times the journeys, and cancels
// it after half a second.
SweepWindowRun RunSweepWindow(const BenchOptions& options);

}  // namespace quirlweg::bench
