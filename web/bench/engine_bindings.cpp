// walkbench's engine mode compiled to WebAssembly, for measuring the walk's own speed in a
// browser beside walkbench's figure for the same setting: the same code, journeys without
// displays.

#include <emscripten/bind.h>
#include <emscripten/val.h>

#include <chrono>

#include "engine_mode.h"

namespace quirlweg::web {
namespace {

emscripten::val EngineRun(int dimension, int radius, bool home, double journeys) {
  bench::BenchOptions options;
  options.dimension = dimension;
  options.radius = radius;
  options.home = home;
  options.journeys = static_cast<std::int64_t>(journeys);
  const auto start = std::chrono::steady_clock::now();
  const bench::JourneyTally tally = bench::RunEngineMode(options);
  const std::chrono::duration<double> elapsed = std::chrono::steady_clock::now() - start;
  emscripten::val out = emscripten::val::object();
  out.set("steps", static_cast<double>(tally.steps));
  out.set("seconds", elapsed.count());
  return out;
}

}  // namespace

EMSCRIPTEN_BINDINGS(quirlweg_bench) {
  emscripten::function("engineRun", &EngineRun);
}

}  // namespace quirlweg::web
