// The heat scale's values themselves: the pixel tests compare the picture with these functions,
// so a changed colour or top would pass them unseen.

#include "picture/heat_colours.h"

#include <gtest/gtest.h>

namespace quirlweg {
namespace {

TEST(HeatScale, FitsItsTopToA125StepAtOrAboveTheMostVisits) {
  struct Case {
    int mostVisits, top;
  };
  for (const Case c : {Case{0, 2}, Case{2, 2}, Case{3, 5}, Case{5, 5}, Case{6, 10}, Case{11, 20},
                       Case{21, 50}, Case{51, 100}, Case{20001, 50000}}) {
    EXPECT_EQ(HeatTopFor(c.mostVisits), c.top) << c.mostVisits;
  }
}

// The scale's ends, an entry hit exactly and a half-way mix, whose channels round half up.
TEST(HeatScale, MixesNeighbouringEntriesAndRoundsTheChannels) {
  struct Case {
    double share;
    Rgb colour;
  };
  for (const Case c : {Case{-1, 0x440154}, Case{0, 0x440154}, Case{1.0 / 16, 0x461365},
                       Case{0.5, 0x2A788E}, Case{1, 0x7AD151}, Case{2, 0x7AD151}}) {
    EXPECT_EQ(HeatRgb(c.share), c.colour) << c.share;
  }
  // A count between 1 and the top lies on the logarithmic scale: 10 of 100 half-way.
  EXPECT_EQ(HeatScale(1, 100).Colour(10), 0x2A788E);
}

}  // namespace
}  // namespace quirlweg
