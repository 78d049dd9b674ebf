#pragma once

#include "engine/settings.h"

namespace quirlweg::testing {

// The walk's settings as plain fields that a test sets.
struct FakeSettings final : WalkSettingsSource {
  int dimension = 2;
  double rightProbability = 0.5;
  bool homeAbsorbs = true;
  int latticeSize = 5;
  RunMode mode = RunMode::Journey;
  char separator = ',';

  int Dimension() const override { return dimension; }
  double RightProbability() const override { return rightProbability; }
  bool HomeAbsorbs() const override { return homeAbsorbs; }
  int LatticeSize() const override { return latticeSize; }
  RunMode Mode() const override { return mode; }
  char DecimalSeparator() const override { return separator; }
};

}  // namespace quirlweg::testing
