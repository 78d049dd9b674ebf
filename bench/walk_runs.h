#pragma once

#include <cstdint>
#include <cstdlib>

#include "bench_settings.h"
#include "engine/walk.h"

namespace quirlweg::bench {

// Runs `journeys` journeys as a user would: "20 Reisen" as often as it fits, the rest one
// "Reise" at a time.
template <class Walk>
void RunInClicks(Walk& walk, FixedSettings& settings, std::int64_t journeys) {
  settings.mode = RunMode::TwentyJourneys;
  for (std::int64_t i = 0; i < journeys / 20; ++i) walk.Start();
  settings.mode = RunMode::Journey;
  for (std::int64_t i = 0; i < journeys % 20; ++i) walk.Start();
}

}  // namespace quirlweg::bench
