#pragma once

// Stand-ins for the window around the walk: scripted random numbers, settings as plain fields
// and a display that keeps every text and logs every request; `Rig` wires a walk to them.

#include <array>
#include <cstddef>
#include <initializer_list>
#include <stdexcept>
#include <string>
#include <vector>

#include "common/program_texts.h"
#include "engine/display_roles.h"
#include "engine/protocol.h"
#include "engine/settings.h"
#include "engine/text_forms.h"
#include "engine/uniform_source.h"
#include "engine/walk.h"

namespace quirlweg::testing {

// Hands out exactly the numbers it was given; running dry is a test failure (an exception, so a
// journey that goes on too long cannot loop forever).
class ScriptedSource final : public UniformSource {
 public:
  ScriptedSource() = default;
  ScriptedSource(std::initializer_list<float> numbers) : numbers_(numbers) {}
  void Add(std::initializer_list<float> numbers) {
    for (const float u : numbers) numbers_.push_back(u);
  }
  float Next() override {
    if (next_ == numbers_.size()) throw std::out_of_range("scripted random numbers used up");
    return numbers_[next_++];
  }
  std::size_t Used() const { return next_; }
  std::size_t Left() const { return numbers_.size() - next_; }

 private:
  std::vector<float> numbers_;
  std::size_t next_ = 0;
};

// The u that floor(6u) turns into `direction`.
inline float DirectionU(int direction) {
  return (static_cast<float>(direction) + 0.5F) / 6.0F;
}

// Direction names for scripts: 0 right, 1 left, 2 up, 3 down, 4 -z, 5 +z.
enum Dir { kRight = 0, kLeft = 1, kUp = 2, kDown = 3, kZDown = 4, kZUp = 5 };

// Numbers for a walk of two or three dimensions taking these directions.
inline void AddSteps(ScriptedSource& source, std::initializer_list<int> directions) {
  for (const int direction : directions) source.Add({DirectionU(direction)});
}

// Keeps what the window would show, starting from the controls' initial texts.
class RecordingSink final : public LatticeDisplay, public StatisticsDisplay, public RunObserver {
 public:
  std::array<std::string, 5> boxes{"0", "0", "0", "0", "0"};  // by CountBox
  std::array<std::string, 4> hits{};                          // by HitBox, blank at first
  std::string protocol{kProtocolHeader};
  std::string lastProtocolWrite;  // survives a counter reset that follows it
  std::string coordinates;
  std::string steps;
  bool walkerVisible = true;
  double walkerLeft = 0, walkerTop = 0, walkerSize = 0;
  bool markerVisible = false;
  double markerLeft = 0, markerTop = 0, markerWidth = 0, markerHeight = 0;
  int restarts = 0;
  LatticeDrawing lattice;
  int stepsTaken = 0;
  std::vector<JourneyRecord> journeys;
  int counterResets = 0;
  std::vector<std::string> log;  // one entry per request, in order

  std::string& Box(CountBox box) { return boxes[static_cast<std::size_t>(box)]; }
  std::string& Hit(HitBox box) { return hits[static_cast<std::size_t>(box)]; }
  std::size_t CountOf(const std::string& entry) const {
    std::size_t n = 0;
    for (const auto& e : log) n += e == entry ? 1 : 0;
    return n;
  }
  std::size_t IndexOf(const std::string& entry) const {
    for (std::size_t i = 0; i < log.size(); ++i) {
      if (log[i] == entry) return i;
    }
    return log.size();
  }

  void ShowCoordinates(int x, int shownY, int z) override {
    coordinates = CoordinateText(x, shownY, z);
    log.push_back("coordinates " + coordinates);
  }
  void ShowStepCount(std::int64_t count) override {
    steps = "Schritte: " + PrintForm(static_cast<double>(count));
    log.push_back("steps");
  }
  void SetWalkerVisible(bool visible) override {
    walkerVisible = visible;
    log.push_back(visible ? "walker shown" : "walker hidden");
  }
  void PlaceWalker(double left, double top) override {
    walkerLeft = left;
    walkerTop = top;
    log.push_back("walker placed");
  }
  void SizeWalker(double size) override {
    walkerSize = size;
    log.push_back("walker sized");
  }
  void WalkerToFront() override { log.push_back("walker to front"); }
  void HideEndMarker() override {
    markerVisible = false;
    log.push_back("marker hidden");
  }
  void ShowEndMarker(double left, double top, double width, double height) override {
    markerVisible = true;
    markerLeft = left;
    markerTop = top;
    markerWidth = width;
    markerHeight = height;
    log.push_back("marker shown");
  }
  void DrawTraceSegment(int fromX, int fromY, int toX, int toY, int width) override {
    log.push_back("segment " + std::to_string(fromX) + "," + std::to_string(fromY) + "-" +
                  std::to_string(toX) + "," + std::to_string(toY) + " w" + std::to_string(width));
  }
  void PlotPoint(int x, int y) override {
    log.push_back("point " + std::to_string(x) + "," + std::to_string(y));
  }
  std::string CountBoxText(CountBox box) const override {
    return boxes[static_cast<std::size_t>(box)];
  }
  void SetCountBoxText(CountBox box, std::string_view text) override {
    Box(box) = text;
    log.push_back("box " + std::to_string(static_cast<int>(box)));
  }
  void ShowHitCount(HitBox box, std::optional<double> count) override {
    Hit(box) = PrintForm(count);
    log.push_back("hit " + std::to_string(static_cast<int>(box)));
  }
  std::string ProtocolText() const override { return protocol; }
  void SetProtocolText(std::string_view text) override {
    protocol = lastProtocolWrite = text;
    log.push_back("protocol");
  }
  void StatisticsRestart() override {
    ++restarts;
    log.push_back("notice");
  }
  void ResetCounters() override {
    boxes = {"0", "0", "0", "0", "0"};
    steps = "Schritte: 0 ";
    coordinates = "(0, 0, 0)";
    protocol = kProtocolHeader;
    hits = {" 0 ", " 0 ", " 0 ", " 0 "};
    log.push_back("reset counters");
  }
  void ClearTraces(const LatticeDrawing& drawing) override {
    lattice = drawing;
    log.push_back("clear traces");
  }
  void DrawLattice(const LatticeDrawing& drawing) override {
    lattice = drawing;
    log.push_back("draw lattice");
  }
  void StepTaken() override { ++stepsTaken; }
  void JourneyEnded(const JourneyRecord& journey) override { journeys.push_back(journey); }
  void CountersReset() override { ++counterResets; }
};

// A walk wired to the fakes. `PutWalker` stands the walker somewhere between two steps.
struct Rig {
  FixedSettings settings;
  RecordingSink sink;
  ScriptedSource source;
  Walk walk{sink, sink, sink, settings, source};

  WalkState& s() { return walk.state(); }
  void PutWalker(int x, int y, int z = 0) {
    s().posX = s().prevX = x;
    s().posY = s().prevY = y;
    s().posZ = s().prevZ = z;
  }
};

}  // namespace quirlweg::testing
