#include "theory/length_distribution.h"

#include <gtest/gtest.h>

#include <cmath>

#include "theory/box_distribution.h"

namespace quirlweg::theory::detail {
namespace {

// The binomial mixture of rows with renewal at home against the plain stepping of the mass,
// entry by entry down to the far tail: a wrong weight window, a renewal term off by one step
// or a parity half mixed up shows in the digits long before it shows in the mean.
TEST(LengthDistribution, MixtureOfRowsMatchesSteppedMass) {
  const Setting cases[] = {
      {3, 2, 0.5, true, 0, 0},     // the smallest box: the window spans every step
      {3, 3, 0.5, true, 1, -1},    // home from a start of even parity
      {3, 7, 0.5, true, 2, -3},    // and of odd parity
      {3, 12, 0.5, true, 0, 0},    // first returns only
      {3, 12, 0.5, false, -5, 7},  // no home, far off centre
      {2, 9, 0.5, false, 4, 1},    // the plane alone
      {2, 6, 0.5, true, -1, 2},    // the plane with home
  };
  for (const Setting& s : cases) {
    SCOPED_TRACE(::testing::Message() << s.dimension << "D R " << s.radius << " start " << s.startX
                                      << "," << s.startY << " home " << s.homeAbsorbs);
    const auto mixed = BoxLengthDistribution(s, {}, 1 - 1e-12);
    const auto stepped = SteppedLengthDistribution(s, {}, 1 - 1e-12);
    ASSERT_TRUE(mixed && stepped);
    // Rounding may move the step where the coverage is reached by one or two.
    const std::size_t common = std::min(mixed->size(), stepped->size());
    EXPECT_LE(std::max(mixed->size(), stepped->size()) - common, 2U);
    for (std::size_t n = 0; n < common; ++n) {
      const double want = (*stepped)[n];
      ASSERT_NEAR((*mixed)[n], want, 1e-12 * want + 1e-20) << "n " << n;
    }
  }
}

}  // namespace
}  // namespace quirlweg::theory::detail
