#pragma once

#include "bench_options.h"
#include "sweep/exit_tally.h"
#include "theory/journey_statistics.h"

namespace quirlweg::bench {

// The setting of the run as the theory library takes it.
theory::Setting TheorySettingOf(const BenchOptions& options);

// Each writes its file of exact values for the run's setting and prints a line with what it
// wrote and how long the computation took; false, with a message on stderr, when it could not.
// Lines "n P" for n >= 1: P(L = n) up to the coverage of the exact statistics.
bool WriteDistributionFile(const BenchOptions& options);
// Lines "x y chance mean" for every start (x and y as --start takes them).
bool WriteMapFile(const BenchOptions& options);
// Lines "side cell measured exact": the share of the run's journeys that ended on each cell and
// the exact share; sides top right bottom left by cell, then "z 0" and "home 0".
bool WriteExitsFile(const BenchOptions& options, const ExitTally& measured);

}  // namespace quirlweg::bench
