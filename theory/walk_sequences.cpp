#include "walk_sequences.h"

namespace quirlweg::theory::detail {

WalkSequences AxisSequences(int radius, int start, std::size_t length) {
  // The inner points with one empty cell at either end that catches what steps off.
  const std::size_t cells = static_cast<std::size_t>(2 * radius - 1);
  const std::size_t origin = static_cast<std::size_t>(radius);
  std::vector<double> mass(cells + 2, 0.0), next(cells + 2, 0.0);
  mass[static_cast<std::size_t>(start + radius)] = 1;

  WalkSequences s;
  s.inside.assign(length, 0.0);
  s.atOrigin.assign(length, 0.0);
  s.exit.assign(length + 1, 0.0);
  for (std::size_t n = 0; n <= length; ++n) {
    if (n > 0) {
      s.exit[n] = 0.5 * (mass[1] + mass[cells]);
      for (std::size_t i = 1; i <= cells; ++i) next[i] = 0.5 * (mass[i - 1] + mass[i + 1]);
      mass.swap(next);
    }
    if (n == length) break;
    double sum = 0;
    for (std::size_t i = 1; i <= cells; ++i) sum += mass[i];
    s.inside[n] = sum;
    s.atOrigin[n] = mass[origin];
  }
  return s;
}

}  // namespace quirlweg::theory::detail
