#pragma once

#include "bench_options.h"

namespace quirlweg::bench {

// walkbench --mode class: a class of simulated devices against `quirlweg --class` over real
// sockets; prints one key=value line. The exit status is 0 when nothing was lost or doubled,
// nothing hostile was pooled and, with --restart, the pool survived the restart exactly.
// Needs the application object.
int RunClassMode(const BenchOptions& options);

}  // namespace quirlweg::bench
