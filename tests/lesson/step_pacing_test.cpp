#include "lesson/step_pacing.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "lesson/tempo_scale.h"

namespace quirlweg {
namespace {

// A frame at `at` seconds takes `due` steps; or, with `tempo` set, the tempo changes then.
struct Event {
  double at;
  std::int64_t due = 0;
  int tempo = -1;
};

struct PacingCase {
  const char* label;
  int tempo;  // from 0 s
  std::vector<Event> events;
};

// Frames fall between steps, never on one, so that rounding cannot move a step across them.
const std::vector<PacingCase>& Cases() {
  static const std::vector<PacingCase> cases{
      {"50/s: the first step at once, then one a frame; a stall's backlog is dropped",
       50,
       {{0.001, 1}, {0.011, 0}, {0.021, 1}, {0.045, 1}, {0.505, 1}, {0.515, 0}, {0.526, 1}}},
      {"1000/s: a frame takes its share, after a stall twice a frame's share at most",
       1000,
       {{0.0005, 1}, {0.0172, 17}, {0.0339, 16}, {1.0339, 35}, {1.0505, 16}}},
      {"a new tempo counts from the change, its first step one step later",
       10,
       {{0.05, 1}, {0.06, 0, 100}, {0.065, 0}, {0.071, 1}}},
      {"the fastest position paces at the scale's fastest tempo",
       10,
       {{0.001, 1}, {0.01, 0, kFastestTempo}, {0.0255, 15}}},
  };
  return cases;
}

TEST(StepPacing, StepsFallDueByTheClockAndAStallCatchesUpLittle) {
  for (const PacingCase& c : Cases()) {
    SCOPED_TRACE(c.label);
    StepPacing pacing;
    pacing.Start(c.tempo, StepPacing::Time(0));
    for (const Event& e : c.events) {
      SCOPED_TRACE(e.at);
      if (e.tempo >= 0) {
        pacing.SetTempo(e.tempo, StepPacing::Time(e.at));
      } else {
        EXPECT_EQ(pacing.TakeDue(StepPacing::Time(e.at)), e.due);
      }
    }
  }
}

}  // namespace
}  // namespace quirlweg
