#include "sweep/silent_walk.h"

#include <cmath>
#include <optional>
#include <string>
#include <string_view>

#include "engine/walk.h"

namespace quirlweg {
namespace {

// The walk's settings as plain members, read without a virtual call.
struct PlainSettings {
  int dimension = 2;
  double rightProbability = 0.5;
  bool homeAbsorbs = false;
  int latticeSize = 50;

  int Dimension() const { return dimension; }
  double RightProbability() const { return rightProbability; }
  bool HomeAbsorbs() const { return homeAbsorbs; }
  int LatticeSize() const { return latticeSize; }
  RunMode Mode() const { return RunMode::TwentyJourneys; }
  char DecimalSeparator() const { return ','; }
};

// Displays whose requests compile away; only the journeys' ends are counted.
class CountingSink {
 public:
  explicit CountingSink(SilentRun& run) : run_(run) {}
  void ShowCoordinates(int, int, int) {}
  void ShowStepCount(std::int64_t) {}
  void SetWalkerVisible(bool) {}
  void PlaceWalker(double, double) {}
  void SizeWalker(double) {}
  void WalkerToFront() {}
  void HideEndMarker() {}
  void ShowEndMarker(double, double, double, double) {}
  void DrawTraceSegment(int, int, int, int, int) {}
  void PlotPoint(int, int) {}
  std::string CountBoxText(CountBox) const { return {}; }
  void SetCountBoxText(CountBox, std::string_view) {}
  void ShowHitCount(HitBox, std::optional<double>) {}
  std::string ProtocolText() const { return {}; }
  void SetProtocolText(std::string_view) {}
  void StatisticsRestart() {}
  void ResetCounters() {}
  void ClearTraces(const LatticeDrawing&) {}
  void DrawLattice(const LatticeDrawing&) {}
  void StepTaken() {}
  void JourneyEnded(const JourneyRecord& journey) {
    ++run_.journeys;
    if (journey.end == JourneyEnd::Home) ++run_.homeEnds;
    run_.steps += journey.length;
  }
  void CountersReset() {}

 private:
  SilentRun& run_;
};

}  // namespace

SilentRun RunSilently(const theory::Setting& setting, std::int64_t journeys, std::uint64_t seed) {
  SilentRun run;
  CountingSink sink(run);
  const PlainSettings settings{setting.dimension,
                               std::lround(setting.rightProbability * 100) / 100.0,
                               setting.homeAbsorbs, setting.radius};
  Xoshiro128 generator(seed);
  BasicWalk<CountingSink, CountingSink, CountingSink, PlainSettings, Xoshiro128> walk(
      sink, sink, sink, settings, generator);
  walk.StartUp();
  walk.ChangeLatticeSize();
  WalkState& state = walk.state();
  state.homeX = state.posX = state.prevX = setting.startX;
  state.homeY = state.posY = state.prevY = setting.startY;
  state.batchMode = true;
  for (std::int64_t i = 0; i < journeys; ++i) walk.RunJourney();
  return run;
}

}  // namespace quirlweg
