#pragma once

#include <QString>
#include <cstdint>
#include <vector>

#include "engine/settings.h"

namespace quirlweg {

// One journey of a saved series: its length and where it ended, y upward as the protocol
// shows it.
struct SavedJourney {
  std::int64_t length = 0;
  int x = 0;
  int y = 0;
  int z = 0;
  friend bool operator==(const SavedJourney&, const SavedJourney&) = default;
};

// Everything that makes a lesson's walk: the setting, how it runs and is shown, and the seed,
// so that opening it again gives the same journeys for the same clicks.
struct Experiment {
  int dimension = 2;      // 1..3
  int radius = 5;         // 2..50
  int rightPercent = 50;  // the one-dimensional right-step probability in per cent
  int startX = 0;         // the start point, y upward as shown; inside the boundary
  int startY = 0;
  bool homeAbsorbs = true;
  RunMode mode = RunMode::Journey;
  int tempo = 0;  // steps per second on the tempo scale; 0 is as fast as possible
  bool protocolShown = false;
  bool heatTraces = false;
  std::uint64_t seed = 1;  // 0..kLargestSeed
  QString descriptionGerman;
  QString descriptionEnglish;
  std::vector<SavedJourney> series;  // optional: the journeys walked from the seed
  friend bool operator==(const Experiment&, const Experiment&) = default;
};

// Seeds stay exact as JSON numbers, which are doubles.
inline constexpr std::uint64_t kLargestSeed = (std::uint64_t{1} << 53) - 1;
// A file saves at most this many journeys of its series; longer series are saved without.
inline constexpr std::size_t kMostSavedJourneys = 100000;

}  // namespace quirlweg
