// The real generator driving the real walk must reproduce the exact absorption probability and
// mean journey length of the lattice walk, computed here from its absorbing Markov chain.

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <string>
#include <utility>
#include <vector>

#include "common/absorbing_walk.h"
#include "engine/silent_displays.h"
#include "engine/walk.h"
#include "engine_fakes.h"

namespace quirlweg {
namespace {

using testing::ExactOutcome;
using testing::kEndsHome;
using testing::Lattice;
using testing::Outcome;

// Notes each journey's end and length; keeps no growing protocol text.
class TallySink final : public SilentDisplays {
 public:
  std::vector<std::pair<bool, std::int64_t>> journeys;  // ended at home, length

  std::string CountBoxText(CountBox box) const override {
    return boxes_[static_cast<std::size_t>(box)];
  }
  void SetCountBoxText(CountBox box, std::string_view text) override {
    boxes_[static_cast<std::size_t>(box)] = text;
    if (box == CountBox::Home || box == CountBox::Boundary) endedAtHome_ = box == CountBox::Home;
  }
  std::string ProtocolText() const override { return {}; }
  // The line's second field is the journey's length.
  void SetProtocolText(std::string_view text) override {
    const std::string line{text.substr(text.rfind('\n') + 1)};
    journeys.emplace_back(endedAtHome_, std::stoll(line.substr(line.find(',') + 1)));
  }
  void ResetCounters() override { boxes_.fill("0"); }

 private:
  std::array<std::string, 5> boxes_{"0", "0", "0", "0", "0"};
  bool endedAtHome_ = false;
};

TEST(WalkStatistics, AgreesWithTheExactAbsorbingChain) {
  const Lattice cases[] = {
      {2, 3, 0.5, true, {0, 0, 0}},    // first return to the origin or the boundary
      {2, 3, 0.5, true, {1, 0, 0}},    // home is a neighbour of the start
      {2, 4, 0.5, false, {1, -2, 0}},  // never absorbed at home
      {1, 5, 0.7, true, {0, 0, 0}},    // drift to the right
      {1, 5, 0.7, true, {-2, 0, 0}},  {3, 3, 0.5, true, {0, 0, 0}},
  };
  constexpr int kJourneys = 20000;
  for (const auto& l : cases) {
    SCOPED_TRACE(::testing::Message() << l.dimension << "D R " << l.radius << " start "
                                      << l.start[0] << "," << l.start[1]);
    FixedSettings settings;
    settings.setting.dimension = l.dimension;
    settings.setting.radius = l.radius;
    settings.setting.rightProbability = l.rightProbability;
    settings.setting.homeAbsorbs = l.homeAbsorbs;
    TallySink sink;
    GeneratorSource source(Xoshiro128(20240611U + static_cast<unsigned>(l.dimension)));
    Walk walk(sink, sink, sink, settings, source);
    walk.state().gridRadius = l.radius;
    walk.state().homeX = l.start[0];
    walk.state().homeY = l.start[1];
    walk.state().posX = walk.state().prevX = l.start[0];
    walk.state().posY = walk.state().prevY = l.start[1];
    for (int i = 0; i < kJourneys; ++i) walk.RunJourney();

    ASSERT_EQ(sink.journeys.size(), static_cast<std::size_t>(kJourneys));
    double home = 0, sum = 0, sumSquares = 0;
    for (const auto& [atHome, length] : sink.journeys) {
      home += atHome ? 1 : 0;
      sum += static_cast<double>(length);
      sumSquares += static_cast<double>(length) * static_cast<double>(length);
    }
    const Outcome exact = ExactOutcome(l);
    const double exactHome = exact.shares[kEndsHome];
    const double share = home / kJourneys, mean = sum / kJourneys;
    const double shareError = std::sqrt(exactHome * (1 - exactHome) / kJourneys);
    const double meanError = std::sqrt((sumSquares / kJourneys - mean * mean) / kJourneys);
    EXPECT_NEAR(share, exactHome, 5 * shareError) << "exact " << exactHome;
    EXPECT_NEAR(mean, exact.meanLength, 5 * meanError) << "exact " << exact.meanLength;
  }
}

}  // namespace
}  // namespace quirlweg
