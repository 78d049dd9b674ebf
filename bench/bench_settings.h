#pragma once

#include "bench_options.h"
#include "engine/settings.h"

namespace quirlweg::bench {

// The walk's settings as the command line chose them. Plain members, so that the engine mode's
// walk reads them without a virtual call; the mode follows the button being clicked.
struct FixedSettings {
  int dimension = 2;
  double rightProbability = 0.5;
  bool homeAbsorbs = false;
  int latticeSize = 50;
  RunMode mode = RunMode::TwentyJourneys;

  int Dimension() const { return dimension; }
  double RightProbability() const { return rightProbability; }
  bool HomeAbsorbs() const { return homeAbsorbs; }
  int LatticeSize() const { return latticeSize; }
  RunMode Mode() const { return mode; }
  char DecimalSeparator() const { return ','; }
};

inline FixedSettings SettingsFor(const BenchOptions& options) {
  return FixedSettings{options.dimension, options.rightProbability / 100.0, options.home,
                       options.radius, RunMode::TwentyJourneys};
}

// The same settings behind the interface the program's walk reads.
class SettingsSource final : public WalkSettingsSource {
 public:
  explicit SettingsSource(FixedSettings& settings) : s_(settings) {}
  int Dimension() const override { return s_.Dimension(); }
  double RightProbability() const override { return s_.RightProbability(); }
  bool HomeAbsorbs() const override { return s_.HomeAbsorbs(); }
  int LatticeSize() const override { return s_.LatticeSize(); }
  RunMode Mode() const override { return s_.Mode(); }
  char DecimalSeparator() const override { return s_.DecimalSeparator(); }

 private:
  FixedSettings& s_;
};

}  // namespace quirlweg::bench
