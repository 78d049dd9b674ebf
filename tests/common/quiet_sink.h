#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

#include "engine/display_roles.h"

namespace quirlweg::testing {

// A sink that draws nothing: suites that only follow the texts override what they keep.
class QuietSink : public LatticeDisplay, public StatisticsDisplay, public RunObserver {
 public:
  void ShowCoordinates(int, int, int) override {}
  void ShowStepCount(std::int64_t) override {}
  void SetWalkerVisible(bool) override {}
  void PlaceWalker(double, double) override {}
  void SizeWalker(double) override {}
  void WalkerToFront() override {}
  void HideEndMarker() override {}
  void ShowEndMarker(double, double, double, double) override {}
  void DrawTraceSegment(int, int, int, int, int) override {}
  void PlotPoint(int, int) override {}
  void ShowHitCount(HitBox, std::optional<double>) override {}
  void StatisticsRestart() override {}
  void ClearTraces(const LatticeDrawing&) override {}
  void DrawLattice(const LatticeDrawing&) override {}
  void StepTaken() override {}
  void JourneyEnded(const JourneyRecord&) override {}
  void CountersReset() override {}
};

}  // namespace quirlweg::testing
