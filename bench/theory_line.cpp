#include "theory_line.h"

#include <cstdio>
#include <optional>

#include "exact_files.h"
#include "theory/journey_statistics.h"
#include "timed_run.h"

namespace quirlweg::bench {

void PrintTheoryLine(const BenchOptions& options) {
  const theory::Setting setting = TheorySettingOf(options);
  std::optional<theory::JourneyStatistics> exact;
  const double seconds = SecondsOf([&] { exact = theory::ComputeJourneyStatistics(setting); });
  if (!exact) return;
  std::printf(
      "exact_home=%.12g exact_top=%.12g exact_right=%.12g exact_bottom=%.12g exact_left=%.12g "
      "exact_z=%.12g exact_mean_length=%.12g exact_sd_length=%.12g",
      exact->home, exact->top, exact->right, exact->bottom, exact->left, exact->zFace,
      exact->meanLength, exact->sdLength);
  std::printf(" distribution_steps=%zu", exact->lengthDistribution.size() - 1);
  std::printf(" theory_seconds=%.4f\n", seconds);
}

}  // namespace quirlweg::bench
