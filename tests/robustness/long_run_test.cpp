// Runs of a million journeys through the engine alone: the protocol restarts every 1002
// journeys, nothing the displays keep grows without bound, and every journey and every step
// is accounted for across the restarts.

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <ostream>
#include <string>
#include <string_view>

#include "common/program_texts.h"
#include "engine/display_roles.h"
#include "engine/protocol.h"
#include "engine/settings.h"
#include "engine/silent_displays.h"
#include "engine/text_forms.h"
#include "engine/uniform_source.h"
#include "engine/walk.h"
#include "protocol_reader.h"

namespace quirlweg::robustness {
namespace {

constexpr int kRadius = 2;
constexpr int kEntriesPerList = kJourneysBeforeRestart + 1;
// "1002,      3   (-2, 1, 0)": every entry on a radius-2 lattice has 25 characters, and
// CR LF before it.
constexpr std::size_t kLongestList = kProtocolHeader.size() + kEntriesPerList * (2 + 25);

// Keeps what the window's displays keep (the count, hit and protocol texts) and counts the
// rest. At every restart notice it checks the list about to be cleared against the walk.
class LedgerSink final : public SilentDisplays {
 public:
  // The walk whose tallies the lists are checked against; in one and two dimensions every
  // boundary end counts on exactly one side, in three the two z faces count on none.
  void Watch(const WalkState& state, bool everyBoundaryEndOnASide) {
    state_ = &state;
    everyBoundaryEndOnASide_ = everyBoundaryEndOnASide;
  }

  std::array<std::string, 5> boxes{"0", "0", "0", "0", "0"};
  std::array<std::string, 4> hits{};
  std::string protocol{kProtocolHeader};

  std::int64_t stepsTaken = 0;
  int restarts = 0;
  std::int64_t journeysBeforeRestarts = 0;
  std::int64_t lengthsBeforeRestarts = 0;
  std::size_t longestList = 0;
  std::size_t longestBox = 0;
  std::string firstProblem;

  std::string CountBoxText(CountBox box) const override {
    return boxes[static_cast<std::size_t>(box)];
  }
  void SetCountBoxText(CountBox box, std::string_view text) override {
    boxes[static_cast<std::size_t>(box)] = text;
    longestBox = std::max(longestBox, text.size());
  }
  void ShowHitCount(HitBox box, std::optional<double> count) override {
    std::string& shown = hits[static_cast<std::size_t>(box)];
    shown = PrintForm(count);
    longestBox = std::max(longestBox, shown.size());
  }
  std::string ProtocolText() const override { return protocol; }
  void SetProtocolText(std::string_view text) override {
    protocol = text;
    longestList = std::max(longestList, protocol.size());
  }
  void StatisticsRestart() override {
    CheckFullList();
    ++restarts;
    journeysBeforeRestarts += state_->journeyCount;
    lengthsBeforeRestarts += state_->lengthSum;
  }
  void ResetCounters() override {
    boxes = {"0", "0", "0", "0", "0"};
    hits = {" 0 ", " 0 ", " 0 ", " 0 "};
    protocol = kProtocolHeader;
  }
  void StepTaken() override { ++stepsTaken; }

  double Box(CountBox box) const { return ValueOf(boxes[static_cast<std::size_t>(box)]); }

 private:
  void Complain(const std::string& problem) {
    if (firstProblem.empty()) {
      firstProblem = "restart " + std::to_string(restarts + 1) + ": " + problem;
    }
  }

  // The full list, the count and hit boxes and the walk's own tallies must tell one story.
  void CheckFullList() {
    const ListSummary list = Summarise(protocol);
    if (!list.problem.empty()) return Complain(list.problem);
    if (list.entries != kEntriesPerList || state_->journeyCount != kEntriesPerList) {
      return Complain(std::to_string(list.entries) + " entries for journey count " +
                      std::to_string(state_->journeyCount));
    }
    if (list.lengths != state_->lengthSum) return Complain("entry lengths differ from the sum");
    const double home = Box(CountBox::Home);
    const double boundary = Box(CountBox::Boundary);
    if (home != list.homeEnds || boundary != list.entries - list.homeEnds) {
      return Complain("count boxes " + boxes[0] + " and " + boxes[2] + " disagree with the list");
    }
    if (boxes[static_cast<std::size_t>(CountBox::Mean)] !=
        LocaleForm(MeanLength(state_->lengthSum, state_->journeyCount), ',')) {
      return Complain("mean box " + boxes[4]);
    }
    double sides = 0;
    for (const std::string& hit : hits) sides += ValueOf(hit);
    if (sides > boundary || (everyBoundaryEndOnASide_ && sides != boundary)) {
      return Complain("hit boxes count " + std::to_string(sides) + " of " +
                      std::to_string(boundary) + " boundary ends");
    }
  }

  const WalkState* state_ = nullptr;
  bool everyBoundaryEndOnASide_ = true;
};

struct LongRun {
  const char* name;
  int dimension;
  double rightProbability;
  bool homeAbsorbs;
  std::int64_t journeys;  // a multiple of 20
};

// Printed by name, so that the test's name does not carry the parameter's raw bytes.
void PrintTo(const LongRun& run, std::ostream* out) {
  *out << run.name;
}

class LongRunTest : public ::testing::TestWithParam<LongRun> {};

TEST_P(LongRunTest, StaysBoundedAndLosesNoJourney) {
  const LongRun& run = GetParam();
  const std::int64_t journeys = run.journeys;
  ASSERT_EQ(journeys % 20, 0);

  FixedSettings settings;
  settings.setting.radius = kRadius;
  settings.mode = RunMode::TwentyJourneys;
  settings.setting.dimension = run.dimension;
  settings.setting.rightProbability = run.rightProbability;
  settings.setting.homeAbsorbs = run.homeAbsorbs;
  GeneratorSource source(Xoshiro128(20240611));
  LedgerSink ledger;
  Walk walk(ledger, ledger, ledger, settings, source);
  ledger.Watch(walk.state(), run.dimension != 3);
  walk.StartUp();
  walk.DrawLattice();
  ASSERT_EQ(walk.state().gridRadius, kRadius);

  for (std::int64_t click = 0; click < journeys / 20; ++click) {
    walk.Start();
    if (!ledger.firstProblem.empty()) break;
  }
  ASSERT_EQ(ledger.firstProblem, "");

  const WalkState& s = walk.state();
  const ListSummary last = Summarise(ledger.protocol);
  ASSERT_EQ(last.problem, "");
  EXPECT_EQ(last.entries, s.journeyCount);
  EXPECT_EQ(ledger.restarts, journeys / kEntriesPerList);
  EXPECT_EQ(ledger.journeysBeforeRestarts + s.journeyCount, journeys);
  EXPECT_EQ(ledger.lengthsBeforeRestarts + s.lengthSum, ledger.stepsTaken);
  EXPECT_EQ(last.lengths, s.lengthSum);
  EXPECT_EQ(s.stepCount, 0);
  EXPECT_EQ(ledger.Box(CountBox::Home) + ledger.Box(CountBox::Boundary), s.journeyCount);

  EXPECT_LE(ledger.longestList, kLongestList);
  EXPECT_LE(ledger.protocol.capacity(), 2 * kLongestList);
  EXPECT_LE(ledger.longestBox, 8U);  // " 1001", "33,33", " 1002 "
  EXPECT_LE(s.journeyCount, kJourneysBeforeRestart);
  EXPECT_LE(s.hitsTop, kEntriesPerList);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(
    SmallLattice, LongRunTest,
    ::testing::Values(LongRun{"PlaneAbsorbing", 2, 0.5, true, 1'000'000},
                      LongRun{"LineDriftingRight", 1, 0.73, true, 200'000},
                      LongRun{"SpaceWithoutHome", 3, 0.5, false, 200'000}),
    [](const ::testing::TestParamInfo<LongRun>& info) { return std::string(info.param.name); });
// clang-format on

}  // namespace
}  // namespace quirlweg::robustness
