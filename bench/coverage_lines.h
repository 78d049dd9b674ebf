#pragma once

#include "bench_options.h"

namespace quirlweg::bench {

// Walks the options' series of journeys and prints how often the evaluation marks each row's
// correct exact value red; returns the exit status.
int RunCoverageLine(const BenchOptions& options);

}  // namespace quirlweg::bench
