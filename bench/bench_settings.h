#pragma once

#include "bench_options.h"
#include "engine/settings.h"

namespace quirlweg::bench {

// The setting the command line chose; the start point is the walk's own.
inline JourneySetting SettingOf(const BenchOptions& options) {
  return {options.dimension, options.radius, options.rightProbability / 100.0,
          options.home,      options.startX, options.startY};
}

// The walk's inputs as the command line chose them; the mode follows the button being clicked.
inline FixedSettings SettingsFor(const BenchOptions& options) {
  return FixedSettings(SettingOf(options), RunMode::TwentyJourneys);
}

}  // namespace quirlweg::bench
