#include "bench_options.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace quirlweg::bench {
namespace {

TEST(BenchOptions, AcceptsOnlyWhatTheWalkCanRun) {
  struct Case {
    std::vector<std::string> args;
    const char* complaint;  // part of the error; nullptr where the arguments are taken
  };
  const Case cases[] = {
      {{"--radius", "3", "--start", "2,-2"}, nullptr},  // just inside the boundary
      {{"--start", "-2,2", "--radius", "3"}, nullptr},  // checked against the radius given later
      {{"--start", "3,0", "--radius", "3"}, "boundary"},
      {{"--radius", "3", "--start", "0,-3"}, "boundary"},
      {{"--start", "50,0"}, "boundary"},  // the default lattice's boundary
      {{"--start", "3"}, "bad value"},
      {{"--start", "1;2"}, "bad value"},
      {{"--mode", "screen"}, "bad value"},
      {{"--dimension", "0"}, "bad value"},
      {{"--dimension", "4"}, "bad value"},
      {{"--radius", "1"}, "bad value"},
      {{"--radius", "51"}, "bad value"},
      {{"--radius", "5x"}, "bad value"},
      {{"--right-probability", "101"}, "bad value"},
      {{"--right-probability", "-1"}, "bad value"},
      {{"--home", "yes"}, "bad value"},
      {{"--journeys", "0"}, "bad value"},
      {{"--journeys", "100000000"}, nullptr},
      {{"--journeys", "100000001"}, "bad value"},  // would run for days
      {{"--journeys", "9223372036854775807"}, "bad value"},
      {{"--seed", "-1"}, "bad value"},
      {{"--radius"}, "missing value"},
      {{"--speed", "fast"}, "unknown option --speed"},
      {{"--journeys", "5", "--speed"}, "unknown option --speed"},
      {{"--mode", "window", "--seconds", "3"}, "--tempo"},  // nothing to pace
      {{"--mode", "window", "--tempo", "10", "--seconds", "3"}, nullptr},
      {{"--mode", "window", "--tempo", "1", "--seconds", "0.4"}, "one step"},  // would never end
      {{"--csv", "out.csv"}, "--mode window"},
      {{"--help"}, nullptr},
      {{"--radius", "1", "--help"}, "bad value"},
      {{"--help", "--radius", "1"}, nullptr},  // --help asks for nothing else
      {{"--mode", "window", "--map", "m.txt", "--distribution", "d.txt"}, nullptr},
      {{"--mode", "window", "--exits", "e.txt"}, "engine"},  // measured only in the engine mode
      {{"--map-ending", "up"}, "bad value"},
      {{"--map", ""}, "bad value"},
      {{"--sweep", "start", "--per-point", "10", "--threads", "2"}, nullptr},
      {{"--sweep", "size"}, "bad value"},
      {{"--mode", "display", "--sweep", "radius"}, "engine"},
      {{"--threads", "0"}, "bad value"},
      {{"--mode", "window", "--evaluation", "--screen", "1024x768"}, nullptr},
      {{"--mode", "window", "--screen", "1024x768"}, "--evaluation"},  // lays out both windows
      {{"--mode", "window", "--evaluation", "--screen", "1024"}, "bad value"},
      {{"--coverage", "20", "--series", "50"}, nullptr},
      {{"--coverage", "1"}, "bad value"},  // a series of one journey has no range
  };
  for (const Case& c : cases) {
    std::string error;
    const auto options = ParseOptions(c.args, error);
    const std::string args = c.args.front() + " … " + c.args.back();
    EXPECT_EQ(options.has_value(), c.complaint == nullptr) << args << ": " << error;
    if (c.complaint != nullptr) {
      EXPECT_NE(error.find(c.complaint), std::string::npos) << error;
    }
  }
  std::string error;
  EXPECT_TRUE(ParseOptions({"--help"}, error).value_or(BenchOptions{}).help);
  EXPECT_NE(Usage().find(std::to_string(kMostJourneys)), std::string::npos);
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
                               "--csv",
                               "a b.csv",
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
  EXPECT_EQ(o->csv, "a b.csv");
  EXPECT_EQ(o->distributionFile, "d.txt");
  EXPECT_EQ(o->mapFile, "m.txt");
  EXPECT_EQ(o->mapEnding, theory::JourneyEnding::kBottom);
}

}  // namespace
}  // namespace quirlweg::bench
