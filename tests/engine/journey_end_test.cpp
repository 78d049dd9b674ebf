#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <limits>
#include <string>
#include <vector>

#include "engine/walk.h"
#include "engine_fakes.h"

namespace quirlweg {
namespace {

using namespace quirlweg::testing;

using HitTexts = std::array<std::string, 4>;  // top, right, bottom, left

TEST(JourneyEnd, PostconditionsForEveryKindOfEnd) {
  struct Case {
    const char* name;
    int dimension;
    int homeX, homeY;
    std::vector<int> steps;
    int endX, endY, endZ;
    HitTexts hits;
  };
  const Case cases[] = {
      {"right", 2, 0, 0, {kRight, kRight}, 2, 0, 0, {" 0 ", " 1 ", "", ""}},
      {"left", 2, 0, 0, {kLeft, kLeft}, -2, 0, 0, {" 0 ", "", "", " 1 "}},
      {"top", 2, 0, 0, {kUp, kUp}, 0, -2, 0, {" 1 ", "", "", ""}},
      {"bottom", 2, 0, 0, {kDown, kDown}, 0, 2, 0, {" 0 ", "", " 1 ", ""}},
      {"z counts in no side", 3, 0, 0, {kZUp, kZUp}, 0, 0, 2, {" 0 ", "", "", ""}},
      {"moved start point", 2, 1, 1, {kRight}, 2, 1, 0, {" 0 ", " 1 ", "", ""}},
      {"home", 2, 0, 0, {kRight, kLeft}, 0, 0, 0, {"", "", "", ""}},
      {"home from a moved start", 2, -1, 0, {kRight}, 0, 0, 0, {"", "", "", ""}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    Rig rig;
    rig.settings.setting.radius = rig.s().gridRadius = 2;
    rig.settings.setting.dimension = c.dimension;
    rig.s().homeX = c.homeX;
    rig.s().homeY = c.homeY;
    rig.PutWalker(c.homeX, c.homeY);
    for (const int d : c.steps) rig.source.Add({DirectionU(d)});
    rig.walk.RunJourney();

    const WalkState& s = rig.s();
    const bool atHome = c.endX == 0 && c.endY == 0 && c.endZ == 0;
    EXPECT_TRUE(s.journeyOver);
    EXPECT_EQ(s.stepCount, 0);
    EXPECT_EQ(s.journeyCount, 1);
    EXPECT_EQ(s.lengthSum, static_cast<std::int64_t>(c.steps.size()));
    EXPECT_EQ((std::array{s.posX, s.posY, s.posZ}), (std::array{c.homeX, c.homeY, 0}));
    EXPECT_EQ((std::array{s.prevX, s.prevY, s.prevZ}), (std::array{c.homeX, c.homeY, 0}));
    EXPECT_EQ(rig.sink.Box(atHome ? CountBox::Home : CountBox::Boundary), " 1");
    EXPECT_EQ(rig.sink.Box(atHome ? CountBox::Boundary : CountBox::Home), "0");
    EXPECT_EQ(rig.sink.hits, c.hits);
    const std::string line =
        ProtocolLine(1, static_cast<std::int64_t>(c.steps.size()), c.endX, c.endY, c.endZ);
    EXPECT_EQ(rig.sink.protocol, std::string(kProtocolHeader) + "\r\n" + line);
    // The marker, half the walker's size, sits on the end point.
    EXPECT_TRUE(rig.sink.markerVisible);
    EXPECT_DOUBLE_EQ(rig.sink.markerLeft, c.endX - 0.15);
    EXPECT_DOUBLE_EQ(rig.sink.markerTop, c.endY - 0.15);
    EXPECT_DOUBLE_EQ(rig.sink.markerWidth, 0.3);
    EXPECT_DOUBLE_EQ(rig.sink.markerHeight, 0.3);
    // A home end puts the picture on the start point; a boundary end leaves it at the end.
    const double pictureX = atHome ? c.homeX : c.endX, pictureY = atHome ? c.homeY : c.endY;
    EXPECT_DOUBLE_EQ(rig.sink.walkerLeft, pictureX - 0.3);
    EXPECT_DOUBLE_EQ(rig.sink.walkerTop, pictureY - 0.3);
    EXPECT_EQ(rig.sink.CountOf("walker to front"), atHome ? 0U : 1U);
  }
}

TEST(JourneyEnd, FirstJourneyEndingOnTheRight) {
  Rig rig;  // R = 5
  AddSteps(rig.source, {kUp, kRight, kRight, kDown, kRight, kUp, kDown, kRight, kRight});
  rig.walk.RunJourney();
  EXPECT_EQ(rig.sink.Box(CountBox::Boundary), " 1");
  EXPECT_EQ(rig.sink.Box(CountBox::HomeShare), "0");
  EXPECT_EQ(rig.sink.Box(CountBox::BoundaryShare), "100");
  EXPECT_EQ(rig.sink.Box(CountBox::Mean), "9");
  EXPECT_EQ(rig.sink.hits, (HitTexts{" 0 ", " 1 ", "", ""}));
  EXPECT_EQ(rig.sink.protocol, std::string(kProtocolHeader) + "\r\n   1,      9   ( 5, 0, 0)");
  // The end requests in their order: marker, count and shares, hit boxes top-bottom-right-left,
  // mean, protocol, then the picture to the front.
  const std::vector<std::string> tail(rig.sink.log.end() - 11, rig.sink.log.end());
  const std::vector<std::string> expected = {"marker shown", "box 2",    "box 1",          "box 3",
                                             "hit 0",        "hit 2",    "hit 1",          "hit 3",
                                             "box 4",        "protocol", "walker to front"};
  EXPECT_EQ(tail, expected);
}

// The counts live only as box texts, which the user may have typed over.
TEST(JourneyEnd, SharesFromWhateverTheCountBoxesHold) {
  const std::string nines(400, '9');
  struct Case {
    std::string home, boundary;
    bool endAtHome;
    std::string homeAfter, boundaryAfter, homeShare, boundaryShare;
  };
  const Case cases[] = {
      {"0", " 3", true, " 1", " 3", "25", "75"},
      {" 1", " 1", false, " 1", " 2", "33,33", "66,66"},
      {" 2", "0", false, " 2", " 1", "66,66", "33,33"},
      {"", "abc", false, "", " 1", "0", "100"},
      {"-", "-5", false, "-", "-4", "0", "100"},
      {"-1", "0", false, "-1", " 1", "0", "0"},  // a zero total gives "0", not NaN
      {" 2", "-3", true, " 3", "-3", "0", "0"},
      {"-5", " 3", true, "-4", " 3", "400", "-300"},
      {nines, "-", true, StrForm(std::numeric_limits<double>::max()), "-", "100", "0"},
      {"1e999", nines, false, "1e999", StrForm(std::numeric_limits<double>::max()), "0", "100"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.home.substr(0, 8) + " | " + c.boundary.substr(0, 8));
    Rig rig;
    rig.sink.Box(CountBox::Home) = c.home;
    rig.sink.Box(CountBox::Boundary) = c.boundary;
    if (c.endAtHome) {
      rig.walk.EndAtHome();
    } else {
      rig.s().posX = 5;
      rig.walk.EndAtBoundary();
    }
    EXPECT_EQ(rig.sink.Box(CountBox::Home), c.homeAfter);
    EXPECT_EQ(rig.sink.Box(CountBox::Boundary), c.boundaryAfter);
    EXPECT_EQ(rig.sink.Box(CountBox::HomeShare), c.homeShare);
    EXPECT_EQ(rig.sink.Box(CountBox::BoundaryShare), c.boundaryShare);
    for (const auto& text : rig.sink.boxes) EXPECT_TRUE(std::isfinite(ValueOf(text)));
  }
}

TEST(JourneyEnd, MeanLengthCutToTwoDecimals) {
  struct Case {
    std::int64_t sumBefore;
    std::int16_t journeysBefore;
    std::int64_t steps;
    char separator;
    const char* mean;
  };
  const Case cases[] = {
      {16, 1, 9, ',', "12,5"}, {16, 1, 9, '.', "12.5"},   {0, 0, 9, ',', "9"},
      {1, 2, 1, ',', "0,66"},  {199, 2, 1, ',', "66,66"}, {3000000000, 2, 0, ',', "1000000000"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.mean);
    Rig rig;
    rig.settings.decimalSeparator = c.separator;
    rig.s().lengthSum = c.sumBefore;
    rig.s().journeyCount = c.journeysBefore;
    rig.s().stepCount = c.steps;
    rig.s().posY = 5;
    rig.walk.EndAtBoundary();
    EXPECT_EQ(rig.sink.Box(CountBox::Mean), c.mean);
    EXPECT_EQ(rig.s().lengthSum, c.sumBefore + c.steps);
  }
}

// Every mean and share a series of up to 1001 journeys can show (lengths up to 200 on
// average), against the cut made in whole numbers: a cut in floating point shows some of them
// one hundredth too low (23 steps in 5 journeys as 4,59).
TEST(JourneyEnd, EveryMeanAndShareIsCutExactly) {
  for (int n = 1; n <= 1001; ++n) {
    int wrong = 0;
    for (std::int64_t sum = 0; sum <= 200 * n; ++sum) {
      const double mean = MeanLength(sum, n);
      wrong += std::llround(mean * 100) != sum * 100 / n;
    }
    for (int count = 0; count <= n; ++count) {
      const double share = ShareOf(count, n - count);
      wrong += std::llround(share * 100) != count * 10000 / n;
    }
    ASSERT_EQ(wrong, 0) << n << " journeys";
  }
  EXPECT_EQ(LocaleForm(MeanLength(23, 5), ','), "4,6");
  EXPECT_EQ(LocaleForm(ShareOf(1, 2), ','), "33,33");
}

TEST(JourneyEnd, ListStartsOverAfterThe1001stJourney) {
  for (const bool home : {false, true}) {
    for (const std::int16_t before : {std::int16_t{1000}, std::int16_t{1001}}) {
      SCOPED_TRACE(::testing::Message() << (home ? "home " : "boundary ") << before);
      Rig rig;
      rig.s().homeX = 1;
      rig.s().journeyCount = before;
      rig.s().lengthSum = 12345;
      rig.s().hitsLeft = 7;
      rig.s().stepCount = 4;
      if (home) {
        rig.walk.EndAtHome();
      } else {
        rig.s().posX = -5;
        rig.walk.EndAtBoundary();
      }
      const bool restarted = before == 1001;
      const std::string number = restarted ? "1002" : "1001";
      EXPECT_EQ(rig.sink.lastProtocolWrite.substr(rig.sink.lastProtocolWrite.rfind('\n') + 1, 6),
                number + ", ");
      if (restarted) {
        EXPECT_EQ(rig.sink.restarts, 1);
        EXPECT_LT(rig.sink.IndexOf("protocol"), rig.sink.IndexOf("notice"));
        EXPECT_LT(rig.sink.IndexOf("notice"), rig.sink.IndexOf("reset counters"));
        EXPECT_EQ(rig.s().journeyCount, 0);
        EXPECT_EQ(rig.s().lengthSum, 0);
        EXPECT_EQ(rig.s().hitsLeft, 0);
        EXPECT_EQ(rig.sink.protocol, kProtocolHeader);
      } else {
        EXPECT_EQ(rig.sink.restarts, 0);
        EXPECT_EQ(rig.s().journeyCount, 1001);
      }
      // The journey end itself still completes: walker back on the start point.
      EXPECT_EQ(rig.s().posX, 1);
      EXPECT_EQ(rig.s().stepCount, 0);
      EXPECT_TRUE(rig.s().journeyOver);
      if (!restarted) continue;
      rig.s().posX = 5;
      rig.walk.EndAtBoundary();  // numbering begins again at 1
      EXPECT_EQ(rig.sink.protocol, std::string(kProtocolHeader) + "\r\n   1,      0   ( 5, 0, 0)");
    }
  }
}

TEST(JourneyEnd, HitCountersPrintNothingUntilCountedOrReset) {
  struct Case {
    const char* name;
    bool resetFirst;
    int x, y, z, ends;
    HitTexts hits;
  };
  const Case cases[] = {
      {"fresh, right", false, 5, 0, 0, 1, {" 0 ", " 1 ", "", ""}},
      {"fresh, z", false, 0, 0, -5, 1, {" 0 ", "", "", ""}},
      {"fresh, left three times", false, -5, 2, 0, 3, {" 0 ", "", "", " 3 "}},
      {"fresh, top twice", false, 1, -5, 0, 2, {" 2 ", "", "", ""}},
      {"reset, right", true, 5, 0, 0, 1, {" 0 ", " 1 ", " 0 ", " 0 "}},
      {"reset, bottom twice", true, 1, 5, 0, 2, {" 0 ", " 0 ", " 2 ", " 0 "}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    Rig rig;
    if (c.resetFirst) rig.walk.ResetCounters();
    for (int i = 0; i < c.ends; ++i) {
      rig.PutWalker(c.x, c.y, c.z);
      rig.walk.EndAtBoundary();
    }
    EXPECT_EQ(rig.sink.hits, c.hits);
  }
}

}  // namespace
}  // namespace quirlweg
