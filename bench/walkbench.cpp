// walkbench: runs many journeys through the real code and prints what happened and how fast.
#include <chrono>
#include <csignal>
#include <cstdio>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "bench_options.h"
#include "coverage_lines.h"
#include "engine_mode.h"
#include "exact_files.h"
#include "sweep/exit_tally.h"
#include "sweep_lines.h"
#include "theory_line.h"
#include "timed_run.h"

#if QUIRLWEG_BENCH_GUI
#include <QApplication>

#include "class_mode.h"
#include "display_mode.h"
#include "lattice_geometry.h"
#include "line_limit.h"
#include "sweep_window.h"
#include "window_mode.h"
#endif

namespace {

using quirlweg::bench::BenchOptions;
using quirlweg::bench::JourneyTally;
using quirlweg::bench::Mode;
using quirlweg::bench::TimedRun;

const char* ModeName(Mode mode) {
  switch (mode) {
    case Mode::Engine:
      return "engine";
    case Mode::Display:
      return "display";
    case Mode::Window:
      return "window";
    case Mode::Class:
      return "class";
  }
  return "?";
}

double PerSecond(double count, double seconds) {
  return seconds > 0 ? count / seconds : 0.0;
}

// The key=value result line; `more` comes before its end.
void PrintTally(const BenchOptions& options, const JourneyTally& tally, double seconds,
                std::optional<int> frames, const std::string& more = {}) {
  const double mean =
      tally.journeys() > 0 ? static_cast<double>(tally.steps) / tally.journeys() : 0.0;
  std::printf(
      "mode=%s journeys=%lld home=%lld boundary=%lld top=%lld right=%lld bottom=%lld left=%lld "
      "z=%lld steps=%lld mean_length=%.4f seconds=%.4f steps_per_s=%.0f",
      ModeName(options.mode), static_cast<long long>(tally.journeys()),
      static_cast<long long>(tally.home), static_cast<long long>(tally.boundary),
      static_cast<long long>(tally.top), static_cast<long long>(tally.right),
      static_cast<long long>(tally.bottom), static_cast<long long>(tally.left),
      static_cast<long long>(tally.z), static_cast<long long>(tally.steps), mean, seconds,
      PerSecond(static_cast<double>(tally.steps), seconds));
  if (frames) std::printf(" frames=%d frames_per_s=%.1f", *frames, PerSecond(*frames, seconds));
  if (options.tempo > 0) std::printf(" tempo=%d", options.tempo);
  if (options.heatTraces) std::printf(" traces=heat");
  std::printf("%s\n", more.c_str());
}

// What follows a run: the exact line and the files of exact values asked for. The exit code.
int ExactAfterRun(const BenchOptions& options, const quirlweg::ExitTally* exits) {
  if (options.theory) quirlweg::bench::PrintTheoryLine(options);
  bool ok = true;
  if (!options.distributionFile.empty()) ok = quirlweg::bench::WriteDistributionFile(options) && ok;
  if (!options.mapFile.empty()) ok = quirlweg::bench::WriteMapFile(options) && ok;
  if (exits != nullptr) ok = quirlweg::bench::WriteExitsFile(options, *exits) && ok;
  return ok ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
  // A file past the size limit fails to write, as on a full disk, instead of ending the run.
  std::signal(SIGXFSZ, SIG_IGN);
  const std::vector<std::string> args(argv + 1, argv + argc);
  std::string error;
  const auto options = quirlweg::bench::ParseOptions(args, error);
  if (!options) {
    std::fprintf(stderr, "walkbench: %s\n%s", error.c_str(), quirlweg::bench::Usage().c_str());
    return 2;
  }
  if (options->help) {
    std::printf("%s", quirlweg::bench::Usage().c_str());
    return 0;
  }

#if QUIRLWEG_BENCH_GUI
  // Without --show nothing needs a display.
  if (!options->showWindow) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication application(argc, argv);
  if (options->limits) {
    std::printf("limit_generator_per_s=%.0f\n", quirlweg::bench::MeasureGeneratorLimit());
    std::printf(
        "limit_line_per_s=%.0f\n",
        quirlweg::bench::MeasureLineLimit(quirlweg::bench::LatticeViewSize(), options->radius));
  }
  std::fflush(stdout);
  if (options->mode == Mode::Class) return quirlweg::bench::RunClassMode(*options);
  if (options->sweepWindow) {
    const quirlweg::bench::SweepWindowRun run = quirlweg::bench::RunSweepWindow(*options);
    std::printf(
        "sweep_window=%s points=%zu per_point=%lld seconds=%.3f longest_busy_ms=%.1f "
        "cancel_ms=%.1f main_window_steps=%lld\n",
        run.completed ? "done" : "cancelled", run.points, static_cast<long long>(options->perPoint),
        run.seconds, run.longestBusyMilliseconds, run.cancelMilliseconds,
        static_cast<long long>(run.mainWindowSteps));
    return run.completed ? 0 : 1;
  }
  if (options->mode == Mode::Window) {
    if (options->tempo > 0 && !quirlweg::bench::OnTempoScale(options->tempo)) {
      std::fprintf(stderr, "walkbench: the tempo control has no %d steps per second\n",
                   options->tempo);
      return 2;
    }
    const quirlweg::bench::WindowRun run = quirlweg::bench::RunWindowMode(*options);
    std::string boxes;
    for (const auto& [key, text] : run.boxes) boxes += ' ' + std::string(key) + '=' + text;
    if (options->feedEvaluation > 0) {
      char fed[96];
      std::snprintf(fed, sizeof fed, " series=%zu evaluation_refresh_ms=%.2f", run.series,
                    run.refreshMilliseconds);
      boxes += fed;
    }
    if (run.screenFit) {
      const quirlweg::bench::ScreenFit& shown = *run.screenFit;
      char fit[256];
      std::snprintf(
          fit, sizeof fit,
          " screen=%dx%d smallest_text_px=%.1f smallest_text_in=%s smallest_figure_px=%.1f"
          " smallest_figure_in=%s lattice_aspect=%.3f inside_screen=%s"
          " scrolls_sideways=%s empty_below_px=%d",
          options->screenWidth, options->screenHeight, shown.smallestTextPixels,
          shown.smallestTextControl.c_str(), shown.smallestFigurePixels,
          shown.smallestFigureControl.c_str(), shown.latticeAspect,
          shown.insideScreen ? "yes" : "no", shown.scrollsSideways ? "yes" : "no",
          shown.emptyBelowPixels);
      boxes += fit;
    }
    PrintTally(*options, run.tally, run.seconds, run.frames, boxes);
    const int exact = ExactAfterRun(*options, nullptr);
    bool saved = true;
    for (const auto& [path, failure] :
         {std::pair{&options->csv, &run.csvFailure}, {&options->picture, &run.pictureFailure}}) {
      if (failure->empty()) continue;
      std::fprintf(stderr, "walkbench: %s not saved: %s\n", path->c_str(), failure->c_str());
      saved = false;
    }
    return saved ? exact : 1;
  }
  if (options->mode == Mode::Display) {
    const TimedRun run =
        quirlweg::bench::RunDisplayMode(*options, quirlweg::bench::LatticeViewSize());
    PrintTally(*options, run.tally, run.seconds, run.frames);
    return ExactAfterRun(*options, nullptr);
  }
#else
  if (options->limits) {
    std::printf("limit_generator_per_s=%.0f\n", quirlweg::bench::MeasureGeneratorLimit());
  }
  if (options->mode != Mode::Engine || options->sweepWindow) {
    std::fprintf(stderr, "walkbench: built without Qt; only --mode engine is available\n");
    return 2;
  }
#endif

  if (options->sweep) return quirlweg::bench::RunSweepLines(*options);
  if (options->coverage > 0) return quirlweg::bench::RunCoverageLine(*options);
  // Ends are handed out only when counted by cell, so other runs keep their speed.
  std::optional<quirlweg::ExitTally> exits;
  quirlweg::bench::JourneyEnds ended;
  if (!options->exitsFile.empty()) {
    exits.emplace(options->radius);
    ended = [&exits](const quirlweg::JourneyRecord& journey) { exits->Count(journey); };
  }
  JourneyTally tally;
  const double seconds =
      quirlweg::bench::SecondsOf([&] { tally = quirlweg::bench::RunEngineMode(*options, ended); });
  PrintTally(*options, tally, seconds, std::nullopt);
  return ExactAfterRun(*options, exits ? &*exits : nullptr);
}
