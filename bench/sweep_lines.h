#pragma once

#include "bench_options.h"

namespace quirlweg::bench {

// Runs the sweep the options ask for and prints a line per point, measured beside exact, and
// a line of totals. Returns the exit code.
int RunSweepLines(const BenchOptions& options);

}  // namespace quirlweg::bench
