#pragma once

#include "bench_options.h"
#include "timed_run.h"

namespace quirlweg::bench {

// Builds the program's window, sets its controls and clicks its start button as a user would,
// closing each restart notice at once. The totals are read from the window; the frames are
// the screen updates the window made during the run.
TimedRun RunWindowMode(const BenchOptions& options);

// Whether the window's tempo control offers this many steps per second.
bool OnTempoScale(int stepsPerSecond);

}  // namespace quirlweg::bench
