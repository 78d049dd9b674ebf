#pragma once

#include <cstdint>
#include <vector>

#include "lesson/experiment.h"
#include "sweep/silent_walk.h"

namespace quirlweg {

// The first `n` journeys a device walks from `seed`, as the class server walks them again.
inline std::vector<SavedJourney> WalkedJourneys(const JourneySetting& setting, std::uint64_t seed,
                                                int n) {
  JourneyWalker walker(setting, seed);
  std::vector<SavedJourney> journeys;
  for (int i = 0; i < n; ++i) journeys.push_back(SavedJourneyOf(walker.Next()));
  return journeys;
}

}  // namespace quirlweg
