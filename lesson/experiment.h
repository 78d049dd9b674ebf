#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "engine/display_roles.h"
#include "engine/settings.h"
#include "series/series_summary.h"

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

// A journey of the walk as a file saves it.
inline SavedJourney SavedJourneyOf(const JourneyRecord& j) {
  return {j.length, j.x, -j.y, j.z};
}

// One step of a lesson: what the class reads and does, the setting it walks in (none: as it
// is), and a question whose answer the class types. Texts in UTF-8, German and English.
struct LessonStep {
  std::string textGerman;
  std::string textEnglish;
  std::optional<JourneySetting> setting;
  std::string questionGerman;  // both empty: no question
  std::string questionEnglish;
  std::string answer;  // as the class typed it
  friend bool operator==(const LessonStep&, const LessonStep&) = default;
};

// A lesson's text in the language asked for, else in the other one it has.
inline const std::string& InLanguage(const std::string& german, const std::string& english,
                                     bool inEnglish) {
  const std::string& own = inEnglish ? english : german;
  return own.empty() ? (inEnglish ? german : english) : own;
}

// A lesson has at most this many steps.
inline constexpr std::size_t kMostLessonSteps = 20;
// An answer is at most this many characters.
inline constexpr std::size_t kLongestAnswer = 500;

// A class's pooled series: every device's seed and how many of its journeys were pooled, and
// the order they were pooled in, as runs of one device's next journeys. The journeys are not
// kept but walked again from the seeds, so that a file can hold none that no device walked.
struct ClassPool {
  struct Device {
    std::uint64_t seed = 1;
    std::int64_t journeys = 0;
    friend bool operator==(const Device&, const Device&) = default;
  };
  struct Run {
    int device = 1;  // from 1, in the order of `devices`
    std::int64_t journeys = 0;
    friend bool operator==(const Run&, const Run&) = default;
  };
  std::vector<Device> devices;
  std::vector<Run> order;
  friend bool operator==(const ClassPool&, const ClassPool&) = default;
};

// A class has at most this many devices, and a saved pool at most this many journeys.
inline constexpr std::size_t kMostClassDevices = 1000;
inline constexpr std::int64_t kMostPooledJourneys = 10'000'000;

// Everything that makes a lesson's walk: the setting, how it runs and is shown, and the seed,
// so that opening it again gives the same journeys for the same clicks.
struct Experiment {
  // The start point as the walk stores it (y downward); p in whole per cent, as the scroll bar.
  JourneySetting setting;
  RunMode mode = RunMode::Journey;
  int tempo = 0;  // steps per second on the tempo scale; 0 is as fast as possible
  bool protocolShown = false;
  bool heatTraces = false;
  std::uint64_t seed = 1;         // 0..kLargestSeed
  std::string descriptionGerman;  // UTF-8
  std::string descriptionEnglish;
  std::vector<SavedJourney> series;  // optional: the journeys walked from the seed
  // The class guesses first: every exact value stays hidden until it asks to see them.
  bool predictFirst = false;
  std::optional<ClassGuess> guess;
  std::vector<LessonStep> steps;
  // A class's pool instead of a series walked from `seed`.
  std::optional<ClassPool> classPool;
  friend bool operator==(const Experiment&, const Experiment&) = default;
};

// Seeds stay exact as JSON numbers, which are doubles.
inline constexpr std::uint64_t kLargestSeed = (std::uint64_t{1} << 53) - 1;
// A file saves at most this many journeys of its series; longer series are saved without.
inline constexpr std::size_t kMostSavedJourneys = 100000;

}  // namespace quirlweg
