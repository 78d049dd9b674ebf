#pragma once

#include <QSize>

#include "bench_options.h"
#include "timed_run.h"

namespace quirlweg::bench {

// Runs the journeys through the program's walk and its real displays, which draw into their
// images; no window is shown. `latticeSize` is the lattice view's size in pixels.
TimedRun RunDisplayMode(const BenchOptions& options, QSize latticeSize);

}  // namespace quirlweg::bench
