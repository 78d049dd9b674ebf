#pragma once

#include "bench_options.h"
#include "journey_tally.h"

namespace quirlweg::bench {

// Runs the journeys through the engine with a sink that does nothing but tally the ends.
JourneyTally RunEngineMode(const BenchOptions& options);

// Raw uniform numbers per second of the program's generator.
double MeasureGeneratorLimit();

}  // namespace quirlweg::bench
