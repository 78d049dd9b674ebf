#pragma once

#include <functional>

#include "bench_options.h"
#include "engine/display_roles.h"
#include "journey_tally.h"

namespace quirlweg::bench {

using JourneyEnds = std::function<void(const JourneyRecord&)>;

// Runs the journeys through the engine with a sink that does nothing but tally the ends, and
// hands each finished journey to `ended` where one is given.
JourneyTally RunEngineMode(const BenchOptions& options, const JourneyEnds& ended = {});

// Raw uniform numbers per second of the program's generator.
double MeasureGeneratorLimit();

}  // namespace quirlweg::bench
