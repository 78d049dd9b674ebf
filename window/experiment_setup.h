#pragma once

#include <cstdint>

#include "experiment/experiment.h"

namespace quirlweg {

class Simulation;

// The window's setting, run and display choices and seed as an experiment; with the series
// when it is short enough to save and all of it ran under the current setting.
Experiment CurrentExperiment(const Simulation& window);

// Sets the window's controls as a user would, through their own handlers, then starts a new
// series from the experiment's seed. Its series is not walked here: see WalkJourneys.
void ApplyExperiment(Simulation& window, const Experiment& experiment);

// Walks `journeys` whole journeys as the start button does at the fastest tempo, the restart
// notice after 1001 journeys answered at once; the run mode and tempo are put back after.
void WalkJourneys(Simulation& window, std::int64_t journeys);

}  // namespace quirlweg
