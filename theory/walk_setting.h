#pragma once

#include "engine/settings.h"
#include "journey_statistics.h"

namespace quirlweg::theory {

// The exact statistics' setting of a journey: every field that decides how it goes.
inline Setting SettingOf(const JourneySetting& journey) {
  Setting s;
  s.dimension = journey.dimension;
  s.radius = journey.radius;
  s.rightProbability = journey.rightProbability;
  s.startX = journey.startX;
  s.startY = journey.startY;
  s.homeAbsorbs = journey.homeAbsorbs;
  return s;
}

}  // namespace quirlweg::theory
