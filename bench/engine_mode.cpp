#include "engine_mode.h"

#include <chrono>

#include "bench_settings.h"
#include "engine/silent_displays.h"
#include "engine/walk.h"

namespace quirlweg::bench {

namespace {

// Displays whose requests compile away; only journey ends and steps are tallied.
class NullSink final : public SilentDisplays {
 public:
  NullSink(JourneyTally& tally, const JourneyEnds& ended) : tally_(tally), ended_(ended) {}
  void ShowEndMarker(double left, double top, double width, double height) override {
    tally_.EndMarkerShown(left, top, width, height);
  }
  void SetCountBoxText(CountBox box, std::string_view) override { tally_.CountBoxWritten(box); }
  void StepTaken() override { ++tally_.steps; }
  void JourneyEnded(const JourneyRecord& journey) override {
    if (ended_) ended_(journey);
  }

 private:
  JourneyTally& tally_;
  const JourneyEnds& ended_;
};

}  // namespace

JourneyTally RunEngineMode(const BenchOptions& options, const JourneyEnds& ended) {
  JourneyTally tally;
  tally.radius = options.radius;
  NullSink sink(tally, ended);
  const FixedSettings settings = SettingsFor(options);
  Xoshiro128 generator(options.seed);
  BasicWalk<NullSink, NullSink, NullSink, FixedSettings, Xoshiro128> walk(sink, sink, sink,
                                                                          settings, generator);
  walk.StartUp();
  walk.ChangeLatticeSize();
  WalkState& state = walk.state();
  state.homeX = state.posX = state.prevX = options.startX;
  state.homeY = state.posY = state.prevY = options.startY;
  state.batchMode = true;
  for (std::int64_t i = 0; i < options.journeys; ++i) walk.RunJourney();
  return tally;
}

double MeasureGeneratorLimit() {
  Xoshiro128 generator(12345);
  constexpr int kNumbers = 50'000'000;
  float sum = 0.0F;
  const auto start = std::chrono::steady_clock::now();
  for (int i = 0; i < kNumbers; ++i) sum += generator.Next();
  const std::chrono::duration<double> elapsed = std::chrono::steady_clock::now() - start;
  // Keep the loop from being optimised away.
  volatile float keep = sum;
  (void)keep;
  return kNumbers / elapsed.count();
}

}  // namespace quirlweg::bench
