#pragma once

namespace quirlweg {

// What a sweep changes from point to point.
enum class SweepAxis {
  kRadius,       // R = 2 .. 50, the start kept inside as a smaller lattice keeps it
  kProbability,  // the chance of a step right, 0 .. 100 % by 5
  kStart,        // x = -(R - 1) .. R - 1 on the start's row
  kDimensions,   // 1, 2 and 3
};

}  // namespace quirlweg
