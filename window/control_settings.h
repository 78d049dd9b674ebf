#pragma once

#include "engine/settings.h"

namespace quirlweg {

struct WindowControls;

// The user's decimal separator, as the walk writes its figures; a point where it is no ASCII
// character.
char SystemDecimalSeparator();

// The walk's settings, read from the window's controls at the moment of use.
class ControlSettings final : public WalkSettingsSource {
 public:
  explicit ControlSettings(const WindowControls& controls) : c_(controls) {}

  int Dimension() const override;
  double RightProbability() const override;
  bool HomeAbsorbs() const override;
  int LatticeSize() const override;
  RunMode Mode() const override;
  char DecimalSeparator() const override { return SystemDecimalSeparator(); }

 private:
  const WindowControls& c_;
};

}  // namespace quirlweg
