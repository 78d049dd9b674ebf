#pragma once

#include <functional>

#include "bench_options.h"
#include "engine/display_roles.h"
#include "journey_tally.h"

namespace quirlweg::bench {

// Runs the journeys through the engine with a sink that does nothing but tally the ends and
// hand each finished journey to `onJourney`, where there is one.
JourneyTally RunEngineMode(const BenchOptions& options,
                           const std::function<void(const JourneyRecord&)>& onJourney = {});

// Raw uniform numbers per second of the program's generator.
double MeasureGeneratorLimit();

}  // namespace quirlweg::bench
