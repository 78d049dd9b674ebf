#pragma once

#include <concepts>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "settings.h"

namespace quirlweg {

// The count and mean boxes of the statistics frame.
enum class CountBox { Home = 0, HomeShare = 1, Boundary = 2, BoundaryShare = 3, Mean = 4 };

// The four boundary-hit boxes around the lattice view.
enum class HitBox { Top = 0, Right = 1, Bottom = 2, Left = 3 };

// What a lattice drawing needs to know; the drawing itself sets the view's scale from `radius`.
struct LatticeDrawing {
  int radius = 5;
  double walkerSize = 0.6;
  int homeX = 0;
  int homeY = 0;
  bool homeCircle = true;
};

// The walk's three display roles. Positions are lattice units of the lattice view (y
// downward). Numbers arrive raw; the display formats them with the text forms.

// The lattice view: lattice, traces, walker picture and end marker.
class LatticeDisplay {
 public:
  virtual ~LatticeDisplay() = default;

  virtual void SetWalkerVisible(bool visible) = 0;
  virtual void PlaceWalker(double left, double top) = 0;
  virtual void SizeWalker(double size) = 0;
  virtual void WalkerToFront() = 0;

  virtual void HideEndMarker() = 0;
  virtual void ShowEndMarker(double left, double top, double width, double height) = 0;

  // One trace segment of pen width `width` pixels in the view's foreground colour; the view
  // keeps `width` as its current pen width.
  virtual void DrawTraceSegment(int fromX, int fromY, int toX, int toY, int width) = 0;
  // A dot at (x, y) in the view's current pen width and foreground colour.
  virtual void PlotPoint(int x, int y) = 0;

  // Wipes the lattice view (traces included) and draws the lattice afresh.
  virtual void ClearTraces(const LatticeDrawing& lattice) = 0;
  virtual void DrawLattice(const LatticeDrawing& lattice) = 0;
};

// The coordinate and step displays, the count boxes, the hit boxes and the protocol.
class StatisticsDisplay {
 public:
  virtual ~StatisticsDisplay() = default;

  // Clears the coordinate display and prints "(" x "," shownY "," z ")" in PrintForm.
  virtual void ShowCoordinates(int x, int shownY, int z) = 0;
  // Clears the step display and prints "Schritte: " and the count in PrintForm.
  virtual void ShowStepCount(std::int64_t steps) = 0;

  virtual std::string CountBoxText(CountBox box) const = 0;
  virtual void SetCountBoxText(CountBox box, std::string_view text) = 0;
  // Clears the hit box and prints the counter in PrintForm; an unset counter prints nothing.
  virtual void ShowHitCount(HitBox box, std::optional<double> count) = 0;

  virtual std::string ProtocolText() const = 0;
  virtual void SetProtocolText(std::string_view text) = 0;

  // The statistics texts after a counter reset: "0" boxes, "Schritte: 0 ", "(0, 0, 0)",
  // the empty protocol and " 0 " in all four hit boxes.
  virtual void ResetCounters() = 0;
};

// Where a journey ended: at home, on one of the four sides (top is y = -R), or on a z face.
enum class JourneyEnd { Home, Top, Right, Bottom, Left, ZFace };

// One finished journey with the setting it ran under; y as stored (downward).
struct JourneyRecord {
  int number = 0;  // its number in the protocol
  std::int64_t length = 0;
  int x = 0;
  int y = 0;
  int z = 0;
  JourneyEnd end = JourneyEnd::Home;
  JourneySetting setting;
};

// Whoever runs the walk: told of every step of a running journey, of every finished journey,
// of the restart of the statistics and of every counter reset.
class RunObserver {
 public:
  virtual ~RunObserver() = default;
  // After the journey is counted and before a restart it may cause.
  virtual void JourneyEnded(const JourneyRecord& journey) = 0;
  // The counters went back to zero: by the user, a new lattice size or the restart.
  virtual void CountersReset() = 0;
  // More than kJourneysBeforeRestart journeys are counted and the statistics start over: the
  // window says so in a modal box with OK only and returns once it is closed. The counters are
  // reset right after.
  virtual void StatisticsRestart() = 0;
  // Called after every step of a running journey so the window can bring the screen up to
  // date now and then; it must not handle user input.
  virtual void StepTaken() = 0;
};

// The same roles as concepts, so that a benchmark's non-virtual stand-ins are checked against
// exactly what the walk asks of the window's displays.
template <class T>
concept LatticeDisplayRole = requires(T& d, const LatticeDrawing& l, int i, double v, bool b) {
  d.SetWalkerVisible(b);
  d.PlaceWalker(v, v);
  d.SizeWalker(v);
  d.WalkerToFront();
  d.HideEndMarker();
  d.ShowEndMarker(v, v, v, v);
  d.DrawTraceSegment(i, i, i, i, i);
  d.PlotPoint(i, i);
  d.ClearTraces(l);
  d.DrawLattice(l);
};

template <class T>
concept StatisticsDisplayRole = requires(T& d, const T& c, CountBox box, HitBox hit,
                                         std::string_view text, std::optional<double> count, int i,
                                         std::int64_t n) {
  d.ShowCoordinates(i, i, i);
  d.ShowStepCount(n);
  { c.CountBoxText(box) } -> std::convertible_to<std::string>;
  d.SetCountBoxText(box, text);
  d.ShowHitCount(hit, count);
  { c.ProtocolText() } -> std::convertible_to<std::string>;
  d.SetProtocolText(text);
  d.ResetCounters();
};

template <class T>
concept RunObserverRole = requires(T& o, const JourneyRecord& journey) {
  o.JourneyEnded(journey);
  o.CountersReset();
  o.StatisticsRestart();
  o.StepTaken();
};

static_assert(LatticeDisplayRole<LatticeDisplay>);
static_assert(StatisticsDisplayRole<StatisticsDisplay>);
static_assert(RunObserverRole<RunObserver>);

}  // namespace quirlweg
