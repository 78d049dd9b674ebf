#include "sweep/silent_walk.h"

#include <cmath>
#include <optional>
#include <string>
#include <string_view>

#include "engine/silent_displays.h"
#include "engine/walk.h"

namespace quirlweg {
namespace {

// Displays whose requests compile away; only the journeys' ends reach `OnJourney`.
template <class OnJourney>
class JourneySink final : public SilentDisplays {
 public:
  explicit JourneySink(OnJourney& onJourney) : onJourney_(onJourney) {}
  void JourneyEnded(const JourneyRecord& journey) override { onJourney_(journey); }

 private:
  OnJourney& onJourney_;
};

// Walks until `walkOn` says the last journey was walked.
template <class OnJourney, class WalkOn>
void WalkUntil(const theory::Setting& setting, std::uint64_t seed, OnJourney& onJourney,
               const WalkOn& walkOn) {
  JourneySink<OnJourney> sink(onJourney);
  // p in the whole per cent the scroll bar offers.
  JourneySetting shown = setting;
  shown.rightProbability = std::lround(setting.rightProbability * 100) / 100.0;
  const FixedSettings settings(shown, RunMode::TwentyJourneys);
  Xoshiro128 generator(seed);
  using Sink = JourneySink<OnJourney>;
  BasicWalk<Sink, Sink, Sink, FixedSettings, Xoshiro128> walk(sink, sink, sink, settings,
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
