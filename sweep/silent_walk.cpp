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

// Displays whose requests compile away; only the journeys' ends reach `OnJourney`.
template <class OnJourney>
class JourneySink {
 public:
  explicit JourneySink(OnJourney& onJourney) : onJourney_(onJourney) {}
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
  void JourneyEnded(const JourneyRecord& journey) { onJourney_(journey); }
  void CountersReset() {}

 private:
  OnJourney& onJourney_;
};

// Walks until `walkOn` says the last journey was walked.
template <class OnJourney, class WalkOn>
void WalkUntil(const theory::Setting& setting, std::uint64_t seed, OnJourney& onJourney,
               const WalkOn& walkOn) {
  JourneySink<OnJourney> sink(onJourney);
  const PlainSettings settings{setting.dimension,
                               std::lround(setting.rightProbability * 100) / 100.0,
                               setting.homeAbsorbs, setting.radius};
  Xoshiro128 generator(seed);
  using Sink = JourneySink<OnJourney>;
  BasicWalk<Sink, Sink, Sink, PlainSettings, Xoshiro128> walk(sink, sink, sink, settings,
                                                              generator);
  walk.StartUp();
  walk.ChangeLatticeSize();
  WalkState& state = walk.state();
  state.homeX = state.posX = state.prevX = setting.startX;
  state.homeY = state.posY = state.prevY = setting.startY;
  state.batchMode = true;
  while (walkOn()) walk.RunJourney();
}

}  // namespace

SilentRun RunSilently(const theory::Setting& setting, std::int64_t journeys, std::uint64_t seed) {
  SilentRun run;
  auto count = [&run](const JourneyRecord& journey) {
    ++run.journeys;
    if (journey.end == JourneyEnd::Home) ++run.homeEnds;
    run.steps += journey.length;
  };
  WalkUntil(setting, seed, count, [&] { return run.journeys < journeys; });
  return run;
}

void WalkSilently(const theory::Setting& setting, std::int64_t journeys, std::uint64_t seed,
                  const std::function<bool(const JourneyRecord&)>& journeyEnded) {
  std::int64_t walked = 0;
  bool goOn = true;
  auto hand = [&](const JourneyRecord& journey) {
    ++walked;
    goOn = journeyEnded(journey);
  };
  WalkUntil(setting, seed, hand, [&] { return goOn && walked < journeys; });
}

}  // namespace quirlweg
