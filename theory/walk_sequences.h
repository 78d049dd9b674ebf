#pragma once

#include <cstddef>
#include <vector>

namespace quirlweg::theory::detail {

// A box walk without home, seen through its step count n alone. Exits are kept as they are
// rather than as differences of `inside`, which would lose the small values of the far tail.
struct WalkSequences {
  std::vector<double> inside;    // [n] P(no boundary reached in the first n steps)
  std::vector<double> atOrigin;  // [n] P(inside all along and on the origin after n steps)
  std::vector<double> exit;      // [n] P(step n is the first onto the boundary); one longer
};

// The symmetric walk on the row -R+1 .. R-1 from `start`, with `length` entries of `inside`
// and `atOrigin` (and one more of `exit`): one axis of the plane or the box, counted in the
// steps that move along it.
WalkSequences AxisSequences(int radius, int start, std::size_t length);

}  // namespace quirlweg::theory::detail
