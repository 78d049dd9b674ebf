#include "bench_options.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <string_view>

namespace quirlweg::bench {

namespace {

template <class T>
bool ParseNumber(const std::string& text, T& value) {
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  return error == std::errc() && end == text.data() + text.size();
}

bool InRange(std::int64_t value, std::int64_t low, std::int64_t high) {
  return value >= low && value <= high;
}

std::optional<theory::JourneyEnding> EndingNamed(const std::string& name) {
  using theory::JourneyEnding;
  if (name == "home") return JourneyEnding::kHome;
  if (name == "top") return JourneyEnding::kTop;
  if (name == "right") return JourneyEnding::kRight;
  if (name == "bottom") return JourneyEnding::kBottom;
  if (name == "left") return JourneyEnding::kLeft;
  if (name == "z") return JourneyEnding::kZFace;
  return std::nullopt;
}

std::optional<SweepAxis> SweepAxisNamed(const std::string& name) {
  if (name == "radius") return SweepAxis::kRadius;
  if (name == "probability") return SweepAxis::kProbability;
  if (name == "start") return SweepAxis::kStart;
  if (name == "dimensions") return SweepAxis::kDimensions;
  return std::nullopt;
}

// Options that stand alone; false when `name` is none of them.
bool TakeFlag(const std::string& name, BenchOptions& options) {
  if (name == "--limits") {
    options.limits = true;
  } else if (name == "--show") {
    options.showWindow = true;
  } else if (name == "--theory") {
    options.theory = true;
  } else if (name == "--evaluation") {
    options.evaluation = true;
  } else if (name == "--hostile") {
    options.hostile = true;
  } else if (name == "--restart") {
    options.restart = true;
  } else if (name == "--help" || name == "-h") {
    options.help = true;
  } else {
    return false;
  }
  return true;
}

constexpr std::array<std::string_view, 27> kValueOptions{
    "--mode",         "--dimension",    "--radius",     "--right-probability",
    "--home",         "--start",        "--journeys",   "--tempo",
    "--seconds",      "--seed",         "--csv",        "--feed-evaluation",
    "--distribution", "--map",          "--map-ending", "--sweep",
    "--per-point",    "--threads",      "--exits",      "--traces",
    "--picture",      "--sweep-window", "--screen",     "--coverage",
    "--series",       "--pupils",       "--program"};

bool TakesValue(const std::string& name) {
  return std::find(kValueOptions.begin(), kValueOptions.end(), name) != kValueOptions.end();
}

bool ParseMode(const std::string& value, Mode& mode) {
  if (value == "engine") {
    mode = Mode::Engine;
  } else if (value == "display") {
    mode = Mode::Display;
  } else if (value == "window") {
    mode = Mode::Window;
  } else if (value == "class") {
    mode = Mode::Class;
  } else {
    return false;
  }
  return true;
}

// The value of one of kValueOptions; false when it is not one the option takes.
bool TakeValue(const std::string& name, const std::string& value, BenchOptions& options) {
  if (name == "--mode") return ParseMode(value, options.mode);
  if (name == "--dimension")
    return ParseNumber(value, options.dimension) && InRange(options.dimension, 1, 3);
  if (name == "--radius")
    return ParseNumber(value, options.radius) && InRange(options.radius, 2, 50);
  if (name == "--right-probability") {
    return ParseNumber(value, options.rightProbability) &&
           InRange(options.rightProbability, 0, 100);
  }
  if (name == "--home") {
    options.home = value == "on";
    return value == "on" || value == "off";
  }
  if (name == "--start") {
    const auto comma = value.find(',');
    return comma != std::string::npos && ParseNumber(value.substr(0, comma), options.startX) &&
           ParseNumber(value.substr(comma + 1), options.startY);
  }
  if (name == "--journeys")
    return ParseNumber(value, options.journeys) && InRange(options.journeys, 1, kMostJourneys);
  // Whether the tempo control has it, the window mode checks.
  if (name == "--tempo") return ParseNumber(value, options.tempo) && options.tempo > 0;
  if (name == "--seconds")
    return ParseNumber(value, options.seconds) && options.seconds > 0 && options.seconds < 3600;
  if (name == "--seed") return ParseNumber(value, options.seed);
  if (name == "--feed-evaluation") {
    return ParseNumber(value, options.feedEvaluation) &&
           InRange(options.feedEvaluation, 1, kMostJourneys);
  }
  if (name == "--distribution" || name == "--map" || name == "--exits") {
    std::string& file = name == "--distribution" ? options.distributionFile
                        : name == "--map"        ? options.mapFile
                                                 : options.exitsFile;
    file = value;
    return !value.empty();
  }
  if (name == "--map-ending") {
    options.mapEnding = EndingNamed(value);
    return options.mapEnding.has_value();
  }
  if (name == "--sweep" || name == "--sweep-window") {
    std::optional<SweepAxis>& axis = name == "--sweep" ? options.sweep : options.sweepWindow;
    axis = SweepAxisNamed(value);
    return axis.has_value();
  }
  if (name == "--coverage")
    return ParseNumber(value, options.coverage) && InRange(options.coverage, 2, 1'000'000);
  if (name == "--series")
    return ParseNumber(value, options.coverageSeries) &&
           InRange(options.coverageSeries, 1, 1'000'000);
  if (name == "--pupils")
    return ParseNumber(value, options.pupils) && InRange(options.pupils, 1, 900);
  if (name == "--program") {
    options.program = value;
    return !value.empty();
  }
  if (name == "--per-point")
    return ParseNumber(value, options.perPoint) && InRange(options.perPoint, 1, kMostJourneys);
  if (name == "--threads")
    return ParseNumber(value, options.threads) && InRange(options.threads, 1, 64);
  if (name == "--csv") {
    options.csv = value;
    return !value.empty();
  }
  if (name == "--traces") {
    options.heatTraces = value == "heat";
    return value == "heat" || value == "classic";
  }
  if (name == "--picture") {
    options.picture = value;
    return !value.empty();
  }
  if (name == "--screen") {
    const auto x = value.find('x');
    return x != std::string::npos && ParseNumber(value.substr(0, x), options.screenWidth) &&
           ParseNumber(value.substr(x + 1), options.screenHeight) &&
           InRange(options.screenWidth, 320, 16384) && InRange(options.screenHeight, 240, 16384);
  }
  return false;
}

// What the options say only together; empty when they agree.
std::string Disagreement(const BenchOptions& options, bool secondsGiven) {
  if (options.tempo > 0 && options.mode != Mode::Window)
    return "--tempo paces runs of the window: use it with --mode window";
  if (secondsGiven && options.tempo == 0)
    return "--seconds is how long a paced run goes on: use it with --tempo";
  // The first step comes at once and the run stops half a step before its time: a shorter
  // run would have to stop before it began.
  if (options.tempo > 0 && options.seconds < 1.0 / options.tempo)
    return "--seconds must last at least one step at the tempo: 1/N seconds for --tempo N";
  if (options.sweep && options.sweepWindow)
    return "--sweep and --sweep-window are two ways of one sweep: give one of them";
  if (options.sweep && options.mode != Mode::Engine)
    return "--sweep runs the engine without displays: use it with --mode engine";
  if (!options.exitsFile.empty() && options.mode != Mode::Engine)
    return "--exits counts the journeys of the engine mode: use it with --mode engine";
  if (options.feedEvaluation > 0 && options.mode != Mode::Window)
    return "--feed-evaluation feeds the evaluation window: use it with --mode window";
  if (!options.csv.empty() && options.mode != Mode::Window)
    return "--csv saves the evaluation's data: use it with --mode window";
  if ((options.heatTraces || !options.picture.empty()) && options.mode != Mode::Window)
    return "--traces and --picture concern the window's lattice view: use them with --mode window";
  if (options.screenWidth > 0 && (options.mode != Mode::Window || !options.evaluation))
    return "--screen lays out the window beside the evaluation: use it with --mode window "
           "--evaluation";
  if ((options.hostile || options.restart) && options.mode != Mode::Class)
    return "--hostile and --restart concern the class server: use them with --mode class";
  const int inside = options.radius - 1;
  if (!InRange(options.startX, -inside, inside) || !InRange(options.startY, -inside, inside))
    return "the start point must lie inside the boundary";
  return {};
}

}  // namespace

std::string Usage() {
  return "usage: walkbench [--mode engine|display|window|class] [--dimension 1|2|3]\n"
         "                 [--radius 2..50]"
         "\n"
         "                 [--right-probability 0..100] [--home on|off] [--start X,Y]\n"
         "                 [--journeys 1.." +
         std::to_string(kMostJourneys) +
         "] [--seed S] [--limits] [--show] [--theory]\n"
         "                 [--tempo N [--seconds S]] [--evaluation] [--csv FILE]\n"
         "                 [--feed-evaluation N] [--distribution FILE] [--map FILE\n"
         "                 [--map-ending home|top|right|bottom|left|z]] [--exits FILE]\n"
         "                 [--sweep radius|probability|start|dimensions [--per-point N]\n"
         "                 [--threads T]] [--sweep-window radius|probability|start|dimensions\n"
         "                 [--per-point N]] [--traces classic|heat] [--picture FILE]\n"
         "                 [--screen WxH] [--coverage N [--series S]]\n"
         "                 [--pupils P [--hostile] [--restart] [--program FILE]] [--help]\n"
         "--start X,Y: y as stored, growing downward. --tempo, --seconds, --csv, --traces and\n"
         "--picture go with --mode window; --csv saves the evaluation's data after the run, as\n"
         "the evaluation's \"Daten speichern\" does, --picture the lattice view as its\n"
         "\"Bild speichern\" does. --feed-evaluation N feeds N more journeys of the setting from\n"
         "the engine into the open evaluation after the run and times its refresh.\n"
         "--screen WxH (with --mode window --evaluation) lays both windows out for a screen of\n"
         "W x H pixels, as the program does when the evaluation opens, and prints the smallest\n"
         "text and figure heights in pixels among their visible controls (smallest_text_px,\n"
         "smallest_figure_px), the lattice view's width/height (lattice_aspect), whether both\n"
         "windows lie on the screen (inside_screen), whether anything must be scrolled sideways\n"
         "(scrolls_sideways) and the band left empty below them (empty_below_px).\n"
         "--coverage N walks S series (default 1000) of N journeys of the setting and prints the\n"
         "share of series in which the evaluation marks each row's exact value red\n"
         "(marked_home= ... marked_mean=, rows the setting lacks left out).\n"
         "--sweep-window runs the sweep through the evaluation's Versuchsreihe on every core and\n"
         "prints the longest time the window's thread was busy meanwhile, then cancels a second\n"
         "one and prints how long it took to stop.\n"
         "--mode class starts `quirlweg --class` (--program, else the one built beside\n"
         "walkbench) on a free port, connects P pupils' devices over real sockets, each walking\n"
         "--journeys journeys of the setting and reporting them twenty at a time, with random\n"
         "disconnects, and prints pupils=, reported= (journeys sent, again after a disconnect),\n"
         "verified= (acknowledged), pooled= (in the server's pool), lost=, doubled=, the board's\n"
         "refresh (board_refresh_ms_max=, asked every 250 ms, as the bench's board sees it;\n"
         "board_figures_ms_max=, the server's longest time making the figures) and the\n"
         "server's CPU"
         "\n"
         "(server_cores=). --hostile adds devices that forge and replay journeys, use a wrong\n"
         "class code, send board commands, 1 MB and malformed messages and 10,000 messages a\n"
         "second, and prints rejected_<kind>= by the server's count and hostile_pooled=.\n"
         "--restart kills the server halfway and starts it again on its record:\n"
         "restart_equal=yes when its pool is then exactly the one before.\n";
}

std::optional<BenchOptions> ParseOptions(const std::vector<std::string>& args, std::string& error) {
  BenchOptions options;
  bool secondsGiven = false;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& name = args[i];
    if (TakeFlag(name, options)) {
      if (options.help) return options;
      continue;
    }
    if (!TakesValue(name)) {
      error = "unknown option " + name;
      return std::nullopt;
    }
    if (i + 1 >= args.size()) {
      error = "missing value after " + name;
      return std::nullopt;
    }
    const std::string& value = args[++i];
    if (!TakeValue(name, value, options)) {
      error = "bad value for " + name + ": " + value;
      return std::nullopt;
    }
    secondsGiven = secondsGiven || name == "--seconds";
  }
  error = Disagreement(options, secondsGiven);
  if (!error.empty()) return std::nullopt;
  return options;
}

}  // namespace quirlweg::bench
