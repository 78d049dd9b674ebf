#pragma once

#include <array>

namespace quirlweg {

// The tempo control's scale in steps per second, slowest first; the last position, 0, runs
// as fast as the machine can, without pacing.
inline constexpr std::array<int, 11> kTempoSteps{1, 2, 5, 10, 20, 50, 100, 200, 500, 1000, 0};
inline constexpr int kFastestTempo = 0;

}  // namespace quirlweg
