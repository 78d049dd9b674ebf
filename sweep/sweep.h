#pragma once

// A sweep over one setting: journeys of the engine measured at each point of a curve, beside
// the exact values. Qt-free, so that a window can run it on a worker with a progress bar.

#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

#include "sweep/sweep_axis.h"
#include "theory/cancellation.h"
#include "theory/journey_statistics.h"

namespace quirlweg {

// The settings of the sweep's points, each the base with the one thing changed.
std::vector<theory::Setting> SweepPoints(const theory::Setting& base, SweepAxis axis);

struct MeasuredPoint {
  std::int64_t journeys = 0;
  std::int64_t homeEnds = 0;
  std::int64_t steps = 0;  // the lengths of all its journeys
};

struct SweepRun {
  std::int64_t journeysPerPoint = 1000;
  int threads = 1;
  std::uint64_t seed = 1;
};

// A share of one point's journeys with a generator of its own: seeded from the sweep's seed, the
// point and the chunk alone, so that the counts do not depend on who walks which chunk.
struct SweepChunk {
  std::size_t point = 0;
  std::int64_t index = 0;
  std::int64_t journeys = 0;
};

// Every point's journeys in chunks, point by point.
std::vector<SweepChunk> SweepChunks(std::size_t points, std::int64_t journeysPerPoint);

// Walks one chunk of a sweep with the given seed, at its point's setting.
MeasuredPoint MeasureChunk(const theory::Setting& point, const SweepChunk& chunk,
                           std::uint64_t seed);

// Journeys done so far and in all; called on the calling thread.
using SweepProgress = std::function<void(std::int64_t done, std::int64_t total)>;

// Runs every point's journeys through the engine, without displays, on `run.threads` workers.
// The journeys go in chunks (SweepChunks), so the counts do not depend on the number of
// threads. The calling thread
// reports progress and asks `cancel` every 20 ms; a cancelled sweep stops once the chunks
// under way are done (milliseconds each) and gives nothing.
std::optional<std::vector<MeasuredPoint>> MeasureSweep(const std::vector<theory::Setting>& points,
                                                       const SweepRun& run,
                                                       const SweepProgress& progress = {},
                                                       const theory::Cancellation& cancel = {});

// The exact endings and moments of every point, without length distributions.
std::optional<std::vector<theory::JourneyStatistics>> ExactSweep(
    const std::vector<theory::Setting>& points, const theory::Cancellation& cancel = {});

}  // namespace quirlweg
