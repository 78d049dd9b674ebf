#pragma once

#include <cstdint>
#include <functional>
#include <optional>

#include "lesson/experiment.h"

namespace quirlweg {

class Simulation;

// The window's setting, run and display choices and seed as an experiment; with the series
// when it is short enough to save and all of it ran under the current setting.
Experiment CurrentExperiment(const Simulation& window);

// The window's series as an experiment that walks it again: its own setting and seed with the
// window's run and display choices. None when the series is empty, mixes settings or is too
// long to save.
std::optional<Experiment> SeriesExperiment(const Simulation& window);

// Puts the window in the experiment's setting, run and display choices through the handlers
// the controls reach, then starts a new series from the experiment's seed. Its series is not
// walked here: see WalkJourneys.
void ApplyExperiment(Simulation& window, const Experiment& experiment);

// Walks `journeys` whole journeys as the start button does at the fastest tempo, without the
// restart notice after 1001 journeys; the run mode and tempo are put back after. `goOn`, when
// given, is asked after every click with the journeys walked so far and stops the walk when it
// says no. Returns the journeys walked.
std::int64_t WalkJourneys(Simulation& window, std::int64_t journeys,
                          const std::function<bool(std::int64_t walked)>& goOn = {});

}  // namespace quirlweg
