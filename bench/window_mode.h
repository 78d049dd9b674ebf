#pragma once

#include <optional>
#include <string>
#include <vector>

#include "bench_options.h"
#include "screen_fit.h"
#include "timed_run.h"

namespace quirlweg {
class Simulation;
}

namespace quirlweg::bench {

// A statistics box of the main window as it reads after the run.
struct ShownBox {
  const char* key;  // as walkbench prints it
  std::string text;
};

struct WindowRun : TimedRun {
  std::vector<ShownBox> boxes;
  // Why --csv could not be saved; empty when it was, or when it was not asked for.
  std::string csvFailure;
  // With --feed-evaluation: the series' length and the evaluation's refresh, painting
  // included, once all journeys are in.
  std::size_t series = 0;
  double refreshMilliseconds = 0;
  // Why --picture could not be saved; empty when it was, or when it was not asked for.
  std::string pictureFailure;
  // With --screen: how both windows fit that screen after the run.
  std::optional<ScreenFit> screenFit;
};

// Builds the program's window, sets its controls and clicks its start button as a user would,
// closing each restart notice at once. The totals are read from the window; the frames are
// the screen updates the window made during the run. With --csv the evaluation's data are
// saved after the run as its "Daten speichern" saves them, once the exact values are known;
// with --picture the lattice view as "Bild speichern" saves it. --traces heat chooses heat
// traces before the run, as a user would in the lattice view's menu. With --screen both windows
// are laid out for a screen of that size when the evaluation opens, and measured after the run.
WindowRun RunWindowMode(const BenchOptions& options);

// Sets the window's setting controls to the options, clicking and scrolling as a user would.
void ChooseSettings(Simulation& window, const BenchOptions& options);

// Whether the window's tempo control offers this many steps per second.
bool OnTempoScale(int stepsPerSecond);

}  // namespace quirlweg::bench
