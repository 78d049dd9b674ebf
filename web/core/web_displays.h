#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "engine/display_roles.h"
#include "series/journey_series.h"
#include "trace_picture.h"

namespace quirlweg::web {

struct WalkerPicture {
  bool visible = true;
  double left = 0;
  double top = 0;
  double size = 0.6;
};

struct EndMarker {
  bool visible = false;
  double left = 0;
  double top = 0;
  double width = 0;
  double height = 0;
};

// What the page shows after the walk's latest requests, and what happened since it last
// looked. Texts are the engine's number forms; the page adds the words of its language.
struct Frame {
  std::optional<LatticeDrawing> lattice;  // drawn afresh: the traces before are gone
  std::vector<TraceMark> marks;           // traces to draw over what was drawn before
  WalkerPicture walker;
  EndMarker marker;
  std::string coordinates;
  std::optional<std::string> steps;  // the count after "Schritte: "; none before the first step
  std::array<std::string, 5> countBoxes;  // by CountBox
  std::array<std::string, 4> hits;        // by HitBox
  std::optional<std::string> protocol;    // when it changed
  std::vector<JourneyRecord> journeys;    // ended since the last frame
  std::int64_t stepsTaken = 0;            // by runs, since the last frame
  bool countersReset = false;
  int restartNotices = 0;
};

// The walk's three display roles for the browser: every request is kept as the state it
// leaves the display in, and the page takes it as a Frame when it next paints.
class WebDisplays final : public LatticeDisplay, public StatisticsDisplay, public RunObserver {
 public:
  WebDisplays();

  Frame TakeFrame();
  // The whole trace picture, for a canvas drawn afresh.
  std::vector<TraceMark> AllMarks() const { return traces_.All(); }
  const LatticeDrawing& Lattice() const { return lattice_; }
  // The journeys since the user last reset the counters or changed the lattice size, as the
  // evaluation follows them.
  const JourneySeries& Series() const { return series_; }

  // Called when the series is cleared, not at the restart after 1001 journeys.
  void WhenSeriesCleared(std::function<void()> cleared) { seriesCleared_ = std::move(cleared); }

  // The protocol's header line in the page's language, without its line end; the next
  // counter reset writes it.
  void SetProtocolHeader(std::string_view header);

  // LatticeDisplay
  void SetWalkerVisible(bool visible) override { walker_.visible = visible; }
  void PlaceWalker(double left, double top) override;
  void SizeWalker(double size) override { walker_.size = size; }
  // The walker is always drawn above the end marker.
  void WalkerToFront() override {}
  void HideEndMarker() override { marker_.visible = false; }
  void ShowEndMarker(double left, double top, double width, double height) override;
  void DrawTraceSegment(int fromX, int fromY, int toX, int toY, int width) override;
  void PlotPoint(int x, int y) override { traces_.AddDot(x, y, penWidth_); }
  void ClearTraces(const LatticeDrawing& lattice) override { DrawLattice(lattice); }
  void DrawLattice(const LatticeDrawing& lattice) override;

  // StatisticsDisplay
  void ShowCoordinates(int x, int shownY, int z) override;
  void ShowStepCount(std::int64_t steps) override;
  std::string CountBoxText(CountBox box) const override;
  void SetCountBoxText(CountBox box, std::string_view text) override;
  void ShowHitCount(HitBox box, std::optional<double> count) override;
  std::string ProtocolText() const override { return protocol_; }
  void SetProtocolText(std::string_view text) override;
  void ResetCounters() override;

  // RunObserver
  void JourneyEnded(const JourneyRecord& journey) override;
  void CountersReset() override;
  void StatisticsRestart() override;
  void StepTaken() override { ++stepsTaken_; }

 private:
  // The coordinates and the step count change at every step; their texts are made per frame.
  enum class Shown { Blank, AfterReset, Value };
  std::string CoordinatesText() const;
  std::optional<std::string> StepsText() const;

  LatticeDrawing lattice_;
  TracePicture traces_;
  bool latticeDrawn_ = false;
  int penWidth_ = 4;  // the lattice view's pen before anything is drawn
  WalkerPicture walker_;
  EndMarker marker_;

  Shown coordinatesShown_ = Shown::Blank;
  int x_ = 0, shownY_ = 0, z_ = 0;
  Shown stepsShown_ = Shown::Blank;
  std::int64_t steps_ = 0;
  std::array<std::string, 5> countBoxes_{"0", "0", "0", "0", "0"};
  std::array<std::string, 4> hits_{};
  std::string protocolHeader_;
  std::string protocol_;  // the protocol box starts empty, without its header
  bool protocolChanged_ = true;

  std::vector<JourneyRecord> journeys_;
  std::int64_t stepsTaken_ = 0;
  bool countersReset_ = false;
  int restartNotices_ = 0;
  JourneySeries series_;
  bool restarting_ = false;
  std::function<void()> seriesCleared_;
};

}  // namespace quirlweg::web
