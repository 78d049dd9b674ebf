#pragma once

#include <cstdint>
#include <cstdlib>

#include "bench_settings.h"

namespace quirlweg::bench {

// Moves the start point from the origin to (x, y) with the four start-point buttons: 0 left,
// 1 right, 2 up (y - 1), 3 down (y + 1).
template <class Walk>
void MoveStartPoint(Walk& walk, int x, int y) {
  const auto horizontal = static_cast<std::int16_t>(x < 0 ? 0 : 1);
  const auto vertical = static_cast<std::int16_t>(y < 0 ? 2 : 3);
  for (int i = 0; i < std::abs(x); ++i) walk.cmdHome_Click(horizontal);
  for (int i = 0; i < std::abs(y); ++i) walk.cmdHome_Click(vertical);
}

// Runs `journeys` journeys as a user would: "20 Reisen" as often as it fits, the rest one
// "Reise" at a time.
template <class Walk>
void RunInClicks(Walk& walk, FixedSettings& settings, std::int64_t journeys) {
  settings.mode = RunMode::TwentyJourneys;
  for (std::int64_t i = 0; i < journeys / 20; ++i) walk.cmdStarten_Click();
  settings.mode = RunMode::Journey;
  for (std::int64_t i = 0; i < journeys % 20; ++i) walk.cmdStarten_Click();
}

}  // namespace quirlweg::bench
