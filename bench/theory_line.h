#pragma once

#include "bench_options.h"

namespace quirlweg::bench {

// Prints the exact statistics of the run's setting as one line of key=value pairs, so measured
// and exact values stand side by side.
void PrintTheoryLine(const BenchOptions& options);

}  // namespace quirlweg::bench
