#include "display_forwarder.h"

#include "lattice_view.h"
#include "statistics_displays.h"

namespace quirlweg {

DisplayForwarder::DisplayForwarder(LatticeView& lattice, StatisticsDisplays& statistics)
    : lattice_(&lattice), statistics_(&statistics) {}

void DisplayForwarder::ForwardTo(LatticeView& lattice, StatisticsDisplays& statistics) {
  lattice_ = &lattice;
  statistics_ = &statistics;
}

void DisplayForwarder::ShowCoordinates(int x, int shownY, int z) {
  statistics_->ShowCoordinates(x, shownY, z);
}

void DisplayForwarder::ShowStepCount(std::int64_t steps) {
  statistics_->ShowStepCount(steps);
}

void DisplayForwarder::SetWalkerVisible(bool visible) {
  lattice_->SetWalkerVisible(visible);
}

void DisplayForwarder::PlaceWalker(double left, double top) {
  lattice_->PlaceWalker(left, top);
}

void DisplayForwarder::SizeWalker(double size) {
  lattice_->SizeWalker(size);
}

void DisplayForwarder::WalkerToFront() {
  lattice_->WalkerToFront();
}

void DisplayForwarder::HideEndMarker() {
  lattice_->HideEndMarker();
}

void DisplayForwarder::ShowEndMarker(double left, double top, double width, double height) {
  lattice_->ShowEndMarker(left, top, width, height);
}

void DisplayForwarder::DrawTraceSegment(int fromX, int fromY, int toX, int toY, int width) {
  lattice_->DrawTraceSegment(fromX, fromY, toX, toY, width);
}

void DisplayForwarder::PlotPoint(int x, int y) {
  lattice_->PlotPoint(x, y);
}

std::string DisplayForwarder::CountBoxText(CountBox box) const {
  return statistics_->CountBoxText(box);
}

void DisplayForwarder::SetCountBoxText(CountBox box, std::string_view text) {
  statistics_->SetCountBoxText(box, text);
}

void DisplayForwarder::ShowHitCount(HitBox box, std::optional<double> count) {
  statistics_->ShowHitCount(box, count);
}

std::string DisplayForwarder::ProtocolText() const {
  return statistics_->ProtocolText();
}

void DisplayForwarder::SetProtocolText(std::string_view text) {
  statistics_->SetProtocolText(text);
}

void DisplayForwarder::ResetCounters() {
  statistics_->ResetCounters();
}

void DisplayForwarder::ClearTraces(const LatticeDrawing& lattice) {
  lattice_->ClearTraces(lattice);
}

void DisplayForwarder::DrawLattice(const LatticeDrawing& lattice) {
  lattice_->DrawLattice(lattice);
}

}  // namespace quirlweg
