#include "bench_options.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace quirlweg::bench {
namespace {

TEST(BenchOptions, AcceptsOnlyWhatTheWalkCanRun) {
  struct Case {
    std::vector<std::string> args;
    bool accepted;
  };
  const Case cases[] = {
      {{"--radius", "3", "--start", "2,-2"}, true},  // just inside the boundary
      {{"--start", "-2,2", "--radius", "3"}, true},  // checked against the radius given later
      {{"--start", "3,0", "--radius", "3"}, false},
      {{"--radius", "3", "--start", "0,-3"}, false},
      {{"--start", "50,0"}, false},  // the default lattice's boundary
      {{"--start", "3"}, false},
      {{"--start", "1;2"}, false},
      {{"--mode", "screen"}, false},
      {{"--dimension", "0"}, false},
      {{"--dimension", "4"}, false},
      {{"--radius", "1"}, false},
      {{"--radius", "51"}, false},
      {{"--radius", "5x"}, false},
      {{"--right-probability", "101"}, false},
      {{"--right-probability", "-1"}, false},
      {{"--home", "yes"}, false},
      {{"--journeys", "0"}, false},
      {{"--seed", "-1"}, false},
      {{"--radius"}, false},  // value missing
      {{"--speed", "fast"}, false},
      {{"--mode", "window", "--map", "m.txt", "--distribution", "d.txt"}, true},
      {{"--mode", "window", "--exits", "e.txt"}, false},  // measured only in the engine mode
      {{"--map-ending", "up"}, false},
      {{"--map", ""}, false},
      {{"--sweep", "start", "--per-point", "10", "--threads", "2"}, true},
      {{"--sweep", "size"}, false},
      {{"--mode", "display", "--sweep", "radius"}, false},
      {{"--threads", "0"}, false},
  };
  for (const Case& c : cases) {
    std::string error;
    const auto options = ParseOptions(c.args, error);
    EXPECT_EQ(options.has_value(), c.accepted) << c.args.front() << " " << c.args.back();
    EXPECT_EQ(error.empty(), c.accepted) << error;
  }
}

TEST(BenchOptions, EveryOptionLandsInItsField) {
  std::string error;
  const auto o = ParseOptions({"--mode",
                               "window",
                               "--dimension",
                               "3",
                               "--radius",
                               "7",
                               "--right-probability",
                               "30",
                               "--home",
                               "on",
                               "--start",
                               "-6,2",
                               "--journeys",
                               "25",
                               "--seed",
                               "18446744073709551615",
                               "--limits",
                               "--show",
                               "--theory",
                               "--distribution",
                               "d.txt",
                               "--map",
                               "m.txt",
                               "--map-ending",
                               "bottom"},
                              error);
  ASSERT_TRUE(o) << error;
  EXPECT_EQ(o->mode, Mode::Window);
  EXPECT_EQ(o->dimension, 3);
  EXPECT_EQ(o->radius, 7);
  EXPECT_EQ(o->rightProbability, 30);
  EXPECT_TRUE(o->home);
  EXPECT_EQ(o->startX, -6);
  EXPECT_EQ(o->startY, 2);
  EXPECT_EQ(o->journeys, 25);
  EXPECT_EQ(o->seed, 18446744073709551615ULL);
  EXPECT_TRUE(o->limits && o->showWindow && o->theory);
  EXPECT_EQ(o->distributionFile, "d.txt");
  EXPECT_EQ(o->mapFile, "m.txt");
  EXPECT_EQ(o->mapEnding, theory::JourneyEnding::kBottom);
}

}  // namespace
}  // namespace quirlweg::bench
