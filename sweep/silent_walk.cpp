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

// The setting's p in the whole per cent the scroll bar offers.
FixedSettings ShownSettings(const theory::Setting& setting) {
  JourneySetting shown = setting;
  shown.rightProbability = std::lround(setting.rightProbability * 100) / 100.0;
  return FixedSettings(shown, RunMode::TwentyJourneys);
}

// The walk as the window has it after start-up, standing on the setting's start point.
template <class Walk>
void PlaceOnStart(Walk& walk, const theory::Setting& setting) {
  walk.StartUp();
  walk.ChangeLatticeSize();
  WalkState& state = walk.state();
  state.homeX = state.posX = state.prevX = setting.startX;
  state.homeY = state.posY = state.prevY = setting.startY;
  state.batchMode = true;
}

// Walks until `walkOn` says the last journey was walked.
template <class OnJourney, class WalkOn>
void WalkUntil(const theory::Setting& setting, std::uint64_t seed, OnJourney& onJourney,
               const WalkOn& walkOn) {
  JourneySink<OnJourney> sink(onJourney);
  const FixedSettings settings = ShownSettings(setting);
  Xoshiro128 generator(seed);
  using Sink = JourneySink<OnJourney>;
  BasicWalk<Sink, Sink, Sink, FixedSettings, Xoshiro128> walk(sink, sink, sink, settings,
                                                              generator);
  PlaceOnStart(walk, setting);
  while (walkOn()) walk.RunJourney();
}

// Keeps the last journey's record.
struct LastJourney {
  void operator()(const JourneyRecord& journey) { record = journey; }
  JourneyRecord record;
};

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

struct JourneyWalker::Parts {
  using Sink = JourneySink<LastJourney>;
  Parts(const theory::Setting& setting, std::uint64_t seed)
      : settings(ShownSettings(setting)),
        generator(seed),
        sink(last),
        walk(sink, sink, sink, settings, generator) {
    PlaceOnStart(walk, setting);
  }
  FixedSettings settings;
  Xoshiro128 generator;
  LastJourney last;
  Sink sink;
  BasicWalk<Sink, Sink, Sink, FixedSettings, Xoshiro128> walk;
};

JourneyWalker::JourneyWalker(const theory::Setting& setting, std::uint64_t seed)
    : parts_(std::make_unique<Parts>(setting, seed)) {}

JourneyWalker::~JourneyWalker() = default;

JourneyRecord JourneyWalker::Next() {
  parts_->walk.RunJourney();
  return parts_->last.record;
}

}  // namespace quirlweg
