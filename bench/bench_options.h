#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "sweep/sweep_axis.h"
#include "theory/journey_statistics.h"

namespace quirlweg::bench {

enum class Mode { Engine, Display, Window, Class };

// More journeys would run for days in the window mode.
inline constexpr std::int64_t kMostJourneys = 100'000'000;

struct BenchOptions {
  Mode mode = Mode::Engine;
  int dimension = 2;
  int radius = 50;
  int rightProbability = 50;  // per cent, as the scroll bar
  bool home = false;
  int startX = 0;
  int startY = 0;  // as stored: y grows downward
  std::int64_t journeys = 2000;
  std::uint64_t seed = 1;
  bool limits = false;
  bool showWindow = false;
  int tempo = 0;        // window mode: steps per second on the tempo scale; 0 runs unpaced
  double seconds = 5;   // how long a paced run goes on
  bool theory = false;  // print the exact statistics after the run
  // Window mode: the evaluation window is open during the run.
  bool evaluation = false;
  // Window mode with --evaluation: both windows laid out for a screen of this many pixels, as
  // the program lays them out when the evaluation opens; 0 for the screen the window is on.
  int screenWidth = 0;
  int screenHeight = 0;
  // Window mode: where the evaluation's data are saved after the run; empty for nowhere.
  std::string csv;
  // Window mode: journeys fed from the engine into the open evaluation after the run.
  std::int64_t feedEvaluation = 0;
  // Window mode: the lattice view's traces in heat colours rather than the classic thickening.
  bool heatTraces = false;
  // Window mode: where the lattice view is saved after the run; empty for nowhere.
  std::string picture;
  bool help = false;  // print the usage and nothing else
  // Files of exact values to write after the run; empty for none.
  std::string distributionFile;
  std::string mapFile;
  std::string exitsFile;  // engine mode: measured beside exact
  // The ending the map gives the chance of; unset: home with home on, else the right side.
  std::optional<theory::JourneyEnding> mapEnding;
  // A sweep instead of the run: journeys per point and worker threads.
  std::optional<SweepAxis> sweep;
  // The same sweep through the evaluation window's Versuchsreihe, timing its refreshes.
  std::optional<SweepAxis> sweepWindow;
  std::int64_t perPoint = 1000;
  int threads = 1;
  // Instead of the run: `coverageSeries` series of `coverage` journeys each, and how often the
  // evaluation marks each row's correct exact value red.
  std::int64_t coverage = 0;
  std::int64_t coverageSeries = 1000;
  // Class mode: simulated pupils' devices, each walking --journeys journeys, against
  // `quirlweg --class` started as a process of its own; hostile devices beside them; the
  // server killed and started again halfway.
  int pupils = 30;
  bool hostile = false;
  bool restart = false;
  std::string program;  // the quirlweg to start; empty: the one built beside walkbench
};

// The options, briefly, for --help and after a bad argument.
std::string Usage();

// Parses the command line; on a bad argument returns nothing and fills `error`. --help ends
// the parsing: what follows it is not looked at.
std::optional<BenchOptions> ParseOptions(const std::vector<std::string>& args, std::string& error);

}  // namespace quirlweg::bench
