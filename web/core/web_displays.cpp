#include "web_displays.h"

#include <utility>

#include "engine/protocol.h"
#include "engine/text_forms.h"
#include "picture/trace_style.h"

namespace quirlweg::web {

namespace {

constexpr std::string_view kCountAfterReset = "0";
// The empty protocol until the page gives the header in its language.
constexpr std::string_view kGermanProtocolHeader = "   Nr.  L\u00e4nge   Endpunkt\r\n";
constexpr std::string_view kCoordinatesAfterReset = "(0, 0, 0)";
// Without the sign place: the step display after a reset shows "Schritte: 0 ".
constexpr std::string_view kStepsAfterReset = "0 ";

}  // namespace

WebDisplays::WebDisplays() : protocolHeader_(kGermanProtocolHeader) {}

Frame WebDisplays::TakeFrame() {
  Frame frame;
  if (std::exchange(latticeDrawn_, false)) frame.lattice = lattice_;
  frame.marks = traces_.TakeFresh();
  frame.walker = walker_;
  frame.marker = marker_;
  frame.coordinates = CoordinatesText();
  frame.steps = StepsText();
  frame.countBoxes = countBoxes_;
  frame.hits = hits_;
  if (std::exchange(protocolChanged_, false)) frame.protocol = protocol_;
  frame.journeys = std::exchange(journeys_, {});
  frame.stepsTaken = std::exchange(stepsTaken_, 0);
  frame.countersReset = std::exchange(countersReset_, false);
  frame.restartNotices = std::exchange(restartNotices_, 0);
  return frame;
}

void WebDisplays::SetProtocolHeader(std::string_view header) {
  protocolHeader_ = std::string(header) + "\r\n";
}

void WebDisplays::PlaceWalker(double left, double top) {
  walker_.left = left;
  walker_.top = top;
}

void WebDisplays::ShowEndMarker(double left, double top, double width, double height) {
  marker_ = EndMarker{true, left, top, width, height};
}

void WebDisplays::DrawTraceSegment(int fromX, int fromY, int toX, int toY, int width) {
  penWidth_ = width;
  traces_.AddSegment(fromX, fromY, toX, toY, width);
}

// Drawing the lattice wipes the traces and puts the walker picture on the start point.
void WebDisplays::DrawLattice(const LatticeDrawing& lattice) {
  lattice_ = lattice;
  latticeDrawn_ = true;
  traces_.Clear();
  // A dot plotted before the next trace segment takes the pen the lattice left.
  penWidth_ = PenAfterLattice(lattice.radius, lattice.homeCircle);
  walker_.size = lattice.walkerSize;
  PlaceWalker(lattice.homeX - lattice.walkerSize / 2, lattice.homeY - lattice.walkerSize / 2);
}

void WebDisplays::ShowCoordinates(int x, int shownY, int z) {
  coordinatesShown_ = Shown::Value;
  x_ = x;
  shownY_ = shownY;
  z_ = z;
}

void WebDisplays::ShowStepCount(std::int64_t steps) {
  stepsShown_ = Shown::Value;
  steps_ = steps;
}

std::string WebDisplays::CountBoxText(CountBox box) const {
  return countBoxes_.at(static_cast<std::size_t>(box));
}

void WebDisplays::SetCountBoxText(CountBox box, std::string_view text) {
  countBoxes_.at(static_cast<std::size_t>(box)) = text;
}

void WebDisplays::ShowHitCount(HitBox box, std::optional<double> count) {
  hits_.at(static_cast<std::size_t>(box)) = PrintForm(count);
}

void WebDisplays::SetProtocolText(std::string_view text) {
  protocol_ = text;
  protocolChanged_ = true;
}

void WebDisplays::ResetCounters() {
  countBoxes_.fill(std::string(kCountAfterReset));
  stepsShown_ = Shown::AfterReset;
  coordinatesShown_ = Shown::AfterReset;
  SetProtocolText(protocolHeader_);
  hits_.fill(PrintForm(0.0));
}

void WebDisplays::JourneyEnded(const JourneyRecord& journey) {
  journeys_.push_back(journey);
  series_.Add(journey);
}

void WebDisplays::CountersReset() {
  countersReset_ = true;
  // The restart after 1001 journeys resets the counters but goes on with the series.
  if (std::exchange(restarting_, false)) return;
  series_.Clear();
  if (seriesCleared_) seriesCleared_();
}

void WebDisplays::StatisticsRestart() {
  ++restartNotices_;  // the page words the notice in its language
  restarting_ = true;
}

std::string WebDisplays::CoordinatesText() const {
  switch (coordinatesShown_) {
    case Shown::Blank:
      return {};
    case Shown::AfterReset:
      return std::string(kCoordinatesAfterReset);
    case Shown::Value:
      break;
  }
  return CoordinateText(x_, shownY_, z_);
}

std::optional<std::string> WebDisplays::StepsText() const {
  switch (stepsShown_) {
    case Shown::Blank:
      return std::nullopt;
    case Shown::AfterReset:
      return std::string(kStepsAfterReset);
    case Shown::Value:
      break;
  }
  return PrintForm(static_cast<double>(steps_));
}

}  // namespace quirlweg::web
