// walkbench: runs many journeys through the real code and prints what happened and how fast.
#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

#include "bench_options.h"
#include "engine_mode.h"

namespace {

using quirlweg::bench::BenchOptions;
using quirlweg::bench::JourneyTally;
using quirlweg::bench::Mode;

const char* ModeName(Mode mode) {
  switch (mode) {
    case Mode::Engine: return "engine";
    case Mode::Display: return "display";
    case Mode::Window: return "window";
  }
  return "?";
}

void PrintTally(const BenchOptions& options, const JourneyTally& tally, double seconds) {
  const double mean =
      tally.journeys() > 0 ? static_cast<double>(tally.steps) / tally.journeys() : 0.0;
  std::printf(
      "mode=%s journeys=%lld home=%lld boundary=%lld top=%lld right=%lld bottom=%lld left=%lld "
      "z=%lld steps=%lld mean_length=%.4f seconds=%.4f steps_per_s=%.0f\n",
      ModeName(options.mode), static_cast<long long>(tally.journeys()),
      static_cast<long long>(tally.home), static_cast<long long>(tally.boundary),
      static_cast<long long>(tally.top), static_cast<long long>(tally.right),
      static_cast<long long>(tally.bottom), static_cast<long long>(tally.left),
      static_cast<long long>(tally.z), static_cast<long long>(tally.steps), mean, seconds,
      seconds > 0 ? tally.steps / seconds : 0.0);
}

}  // namespace

int main(int argc, char** argv) {
  const std::vector<std::string> args(argv + 1, argv + argc);
  std::string error;
  const auto options = quirlweg::bench::ParseOptions(args, error);
  if (!options) {
    std::fprintf(stderr,
                 "walkbench: %s\nusage: walkbench [--mode engine|display|window] [--dimension "
                 "1|2|3] [--radius R] [--right-probability V] [--home on|off] [--start X,Y] "
                 "[--journeys N] [--seed S] [--limits] [--show]\n",
                 error.c_str());
    return 2;
  }
  if (options->limits) {
    std::printf("limit_generator_per_s=%.0f\n", quirlweg::bench::MeasureGeneratorLimit());
  }
  const auto start = std::chrono::steady_clock::now();
  const JourneyTally tally = quirlweg::bench::RunEngineMode(*options);
  const std::chrono::duration<double> elapsed = std::chrono::steady_clock::now() - start;
  PrintTally(*options, tally, elapsed.count());
  return 0;
}
