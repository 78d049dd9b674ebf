#pragma once

#include <cstdint>
#include <cstdlib>

#include "bench_settings.h"
#include "engine/walk.h"

namespace quirlweg::bench {

// Moves the start point from the origin to (x, y) as the four start-point buttons do; y grows
// downward.
template <class Walk>
void MoveStartPointTo(Walk& walk, int x, int y) {
  const Direction horizontal = x < 0 ? Direction::Left : Direction::Right;
  const Direction vertical = y < 0 ? Direction::Up : Direction::Down;
  for (int i = 0; i < std::abs(x); ++i) walk.MoveStartPoint(horizontal);
  for (int i = 0; i < std::abs(y); ++i) walk.MoveStartPoint(vertical);
}

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
