#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "engine/display_sink.h"

namespace quirlweg {

class LatticeView;
class StatisticsDisplays;

// The walk's display requests carried out on a lattice view and the statistics displays. What
// the notice and the rhythm of the steps mean is the subclass's business: the window shows a
// message box and paints frames now and then, a benchmark tallies.
//
// The displays are named with ForwardTo before the first request; they must outlive it.
class DisplayForwarder : public DisplaySink {
 public:
  DisplayForwarder() = default;
  DisplayForwarder(LatticeView& lattice, StatisticsDisplays& statistics);

  void ForwardTo(LatticeView& lattice, StatisticsDisplays& statistics);

  void ShowCoordinates(int x, int shownY, int z) override;
  void ShowStepCount(std::int64_t steps) override;
  void SetWalkerVisible(bool visible) override;
  void PlaceWalker(double left, double top) override;
  void SizeWalker(double size) override;
  void WalkerToFront() override;
  void HideEndMarker() override;
  void ShowEndMarker(double left, double top, double width, double height) override;
  void DrawTraceSegment(int fromX, int fromY, int toX, int toY, int width) override;
  void PlotPoint(int x, int y) override;
  std::string CountBoxText(CountBox box) const override;
  void SetCountBoxText(CountBox box, std::string_view text) override;
  void ShowHitCount(HitBox box, std::optional<double> count) override;
  std::string ProtocolText() const override;
  void SetProtocolText(std::string_view text) override;
  void ResetCounters() override;
  void ClearTraces(const LatticeDrawing& lattice) override;
  void DrawLattice(const LatticeDrawing& lattice) override;

 private:
  LatticeView* lattice_ = nullptr;
  StatisticsDisplays* statistics_ = nullptr;
};

}  // namespace quirlweg
