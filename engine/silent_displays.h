#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "display_roles.h"

namespace quirlweg {

// The displays of a walk that draws nothing: every request does nothing. A walk that follows
// something derives a final class and overrides what it follows; instantiated on that class,
// the walk calls the rest directly and the compiler drops them.
class SilentDisplays : public LatticeDisplay, public StatisticsDisplay, public RunObserver {
 public:
  // LatticeDisplay
  void SetWalkerVisible(bool) override {}
  void PlaceWalker(double, double) override {}
  void SizeWalker(double) override {}
  void WalkerToFront() override {}
  void HideEndMarker() override {}
  void ShowEndMarker(double, double, double, double) override {}
  void DrawTraceSegment(int, int, int, int, int) override {}
  void PlotPoint(int, int) override {}
  void ClearTraces(const LatticeDrawing&) override {}
  void DrawLattice(const LatticeDrawing&) override {}
  // StatisticsDisplay
  void ShowCoordinates(int, int, int) override {}
  void ShowStepCount(std::int64_t) override {}
  std::string CountBoxText(CountBox) const override { return {}; }
  void SetCountBoxText(CountBox, std::string_view) override {}
  void ShowHitCount(HitBox, std::optional<double>) override {}
  std::string ProtocolText() const override { return {}; }
  void SetProtocolText(std::string_view) override {}
  void ResetCounters() override {}
  // RunObserver
  void JourneyEnded(const JourneyRecord&) override {}
  void CountersReset() override {}
  void StatisticsRestart() override {}
  void StepTaken() override {}
};

}  // namespace quirlweg
