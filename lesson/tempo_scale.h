#pragma once

#include <array>

namespace quirlweg {

// The tempo control's scale in steps per second, slowest first; the last position, 0, runs
// as fast as the machine can, without pacing.
inline constexpr std::array<int, 11> kTempoSteps{1, 2, 5, 10, 20, 50, 100, 200, 500, 1000, 0};
inline constexpr int kFastestTempo = 0;
// Moved to the fastest position while a paced run goes on, the run keeps this pace.
inline constexpr int kFastestPacedTempo = kTempoSteps[kTempoSteps.size() - 2];

// How a tempo reads beside the control: "max", "1 Schritt/s" or "%1 Schritte/s". Each edition
// words it in its own language.
enum class TempoWording { Fastest, OneStep, Steps };

constexpr TempoWording WordingOf(int stepsPerSecond) {
  if (stepsPerSecond == kFastestTempo) return TempoWording::Fastest;
  return stepsPerSecond == 1 ? TempoWording::OneStep : TempoWording::Steps;
}

}  // namespace quirlweg
