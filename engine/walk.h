#pragma once

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <limits>

#include "display_roles.h"
#include "protocol.h"
#include "settings.h"
#include "text_forms.h"
#include "uniform_source.h"
#include "walk_state.h"

namespace quirlweg {

// Where the start-point buttons move the start point; up is y - 1 (y grows downward).
enum class Direction { Left = 0, Right = 1, Up = 2, Down = 3 };

// The walk engine: the step, the two journey ends, the run modes, the start point and the
// state parts of the lattice, trace and counter procedures. It reads its settings live from
// `Settings`, draws its numbers from `Source` and asks its three display roles for every
// display.
//
// A template so that a benchmark can drive it with displays that compile away; the concepts
// hold such stand-ins to the program's interfaces. The program uses `Walk`, the instantiation
// on the virtual interfaces.
template <LatticeDisplayRole Lattice, StatisticsDisplayRole Statistics, RunObserverRole Observer,
          WalkSettingsRole Settings, UniformSourceRole Source>
class BasicWalk {
 public:
  BasicWalk(Lattice& lattice, Statistics& statistics, Observer& observer, const Settings& settings,
            Source& source)
      : lattice_(lattice),
        statistics_(statistics),
        observer_(observer),
        settings_(settings),
        source_(source) {}

  WalkState& state() { return s_; }
  const WalkState& state() const { return s_; }
  // The setting the next journey runs under, as its record will carry it.
  JourneySetting CurrentJourneySetting() const {
    return JourneySettingOf(settings_, s_.gridRadius, s_.homeX, s_.homeY);
  }

  // One step, one journey or twenty journeys, by the selected run mode.
  void Start();
  // One step in a random lattice direction, with its displays and the journey-end tests.
  void DoStep();
  void EndAtBoundary();
  void EndAtHome();
  // Steps until a journey ends; steps taken singly before count in its length.
  void RunJourney();
  void RunTwentyJourneys();

  // The journeys of Start() in the "Reise" and "20 Reisen" modes taken one step at a time, for
  // a window that paces them; the walker picture follows every step, since the class watches
  // each one. Begin is false in the single-step mode, which needs no pacing; Continue takes one
  // step and is false once the run's last journey has ended. A run left before its end leaves
  // the journey in progress as single steps do.
  bool BeginStepwiseRun();
  bool ContinueStepwiseRun();

  // Moves the walker one step within the boundary and makes its position the start point.
  void MoveStartPoint(Direction direction);
  // Moves the start point to (x, y) from where the walker stands, one step at a time as the
  // arrow buttons move it (y as stored, downward).
  void MoveStartPointTo(int x, int y) {
    const int dx = x - s_.posX;
    const int dy = y - s_.posY;
    for (int i = 0; i < std::abs(dx); ++i)
      MoveStartPoint(dx < 0 ? Direction::Left : Direction::Right);
    for (int i = 0; i < std::abs(dy); ++i) MoveStartPoint(dy < 0 ? Direction::Up : Direction::Down);
  }
  // Home absorption switched on or off: the walker restarts on a fresh lattice, drawn with or
  // without the home circle.
  void SwitchHomeAbsorption() { ClearTraces(); }

  void ClearTraces();
  void ResetCounters();
  void DrawLattice();

  // The walk's part of start-up: start point at the origin, fresh edge counts, the walker
  // picture 0.6 wide on the origin and the coordinates printed.
  void StartUp();
  // A new lattice size: start point kept inside the new boundary, traces and counters cleared.
  void ChangeLatticeSize();
  // A new dimension: the start point and the walker's x and y go back to the origin.
  void MoveStartToOrigin();

 private:
  int DrawDirection();
  void Move(int direction);
  void NoteEdge();
  int CountEdgeVisit();
  // |x|, |y| or |z| equals the radius; bitwise ors keep the rarely true test branch-free.
  bool OnBoundary() const {
    const int r = s_.gridRadius;
    return (s_.posX == r) | (s_.posX == -r) | (s_.posY == r) | (s_.posY == -r) | (s_.posZ == r) |
           (s_.posZ == -r);
  }
  void PlaceWalkerOn(int x, int y) {
    lattice_.PlaceWalker(x - s_.walkerSize / 2, y - s_.walkerSize / 2);
  }
  LatticeDrawing Drawing() const {
    return LatticeDrawing{s_.gridRadius, s_.walkerSize, s_.homeX, s_.homeY,
                          settings_.HomeAbsorbs()};
  }
  void ShowEndMarkerAtPosition();
  void CountJourneyIn(CountBox box);
  void CountBoundaryHit();
  void RecordJourney(JourneyEnd end);
  JourneyEnd BoundaryEnd() const;
  void ReturnToStart();
  void CloseJourney() {
    s_.stepCount = 0;
    s_.journeyOver = true;
  }
  std::string Locale(double value) const { return LocaleForm(value, settings_.DecimalSeparator()); }

  WalkState s_;
  int stepwiseJourneys_ = 1;  // journeys of the stepwise run begun last
  Lattice& lattice_;
  Statistics& statistics_;
  Observer& observer_;
  const Settings& settings_;
  Source& source_;
};

using Walk =
    BasicWalk<LatticeDisplay, StatisticsDisplay, RunObserver, WalkSettingsSource, UniformSource>;
extern template class BasicWalk<LatticeDisplay, StatisticsDisplay, RunObserver, WalkSettingsSource,
                                UniformSource>;

// Walker picture side for a lattice radius: 0.6 up to R = 15, then growing with R.
inline double WalkerSizeFor(int radius) {
  return radius > 15 ? 0.6 * radius / 15 : 0.6;
}

// A share in per cent, cut to two decimals: floor(count * 10000 / (count + other)) / 100,
// the cut made in whole numbers, so that 1 of 3 gives 33.33 and never one hundredth less. A
// zero total or a result beyond the double range gives 0 rather than NaN or infinity.
double ShareOf(double count, double other);

// Mean journey length cut to two decimals, the cut made in whole numbers: 23 steps in 5
// journeys give 4.6, where 4.6 * 100 in floating point would give 459.99... and 4.59.
// `journeys` must be positive.
double MeanLength(std::int64_t lengthSum, int journeys);

// ---------------------------------------------------------------------------------------------

template <LatticeDisplayRole Lattice, StatisticsDisplayRole Statistics, RunObserverRole Observer,
          WalkSettingsRole Settings, UniformSourceRole Source>
void BasicWalk<Lattice, Statistics, Observer, Settings, Source>::DoStep() {
  lattice_.HideEndMarker();
  Move(DrawDirection());
  NoteEdge();
  statistics_.ShowCoordinates(s_.posX, -s_.posY, s_.posZ);
  lattice_.SetWalkerVisible(s_.posZ == 0);
  if (s_.prevZ == 0 && s_.posZ == 0) {
    s_.traceWidth = static_cast<std::int16_t>(CountEdgeVisit());
    lattice_.DrawTraceSegment(s_.prevX, s_.prevY, s_.posX, s_.posY, s_.traceWidth);
  }
  if (s_.posZ == 0) lattice_.PlotPoint(s_.posX, s_.posY);
  s_.prevX = s_.posX;
  s_.prevY = s_.posY;
  s_.prevZ = s_.posZ;
  if (!s_.batchMode) PlaceWalkerOn(s_.posX, s_.posY);
  ++s_.stepCount;
  statistics_.ShowStepCount(s_.stepCount);
  // Absorption is tested against the origin, not the start point, and before the boundary.
  if (s_.posX == 0 && s_.posY == 0 && s_.posZ == 0 && settings_.HomeAbsorbs()) EndAtHome();
  if (OnBoundary()) EndAtBoundary();
}

template <LatticeDisplayRole Lattice, StatisticsDisplayRole Statistics, RunObserverRole Observer,
          WalkSettingsRole Settings, UniformSourceRole Source>
int BasicWalk<Lattice, Statistics, Observer, Settings, Source>::DrawDirection() {
  const int dimension = settings_.Dimension();
  for (;;) {
    int direction = source_.NextBelowSix();  // floor(6u) for a fresh u
    if (dimension == 1) {
      // The first draw is discarded; right (+x) with probability rightProbability.
      s_.randU = source_.Next();
      direction = s_.randU > settings_.RightProbability() ? 1 : 0;
    } else if (dimension == 2 && direction > 3) {
      continue;
    }
    return direction;
  }
}

// Moves by direction: 0 right, 1 left, 2 up, 3 down (y grows downward), 4 and 5 along z. A
// table rather than a switch: the direction is random, so a jump would be mispredicted.
template <LatticeDisplayRole Lattice, StatisticsDisplayRole Statistics, RunObserverRole Observer,
          WalkSettingsRole Settings, UniformSourceRole Source>
void BasicWalk<Lattice, Statistics, Observer, Settings, Source>::Move(int direction) {
  static constexpr std::array<int, 6> kDx{1, -1, 0, 0, 0, 0};
  static constexpr std::array<int, 6> kDy{0, 0, -1, 1, 0, 0};
  static constexpr std::array<int, 6> kDz{0, 0, 0, 0, -1, 1};
  s_.posX += kDx[direction];
  s_.posY += kDy[direction];
  s_.posZ += kDz[direction];
}

template <LatticeDisplayRole Lattice, StatisticsDisplayRole Statistics, RunObserverRole Observer,
          WalkSettingsRole Settings, UniformSourceRole Source>
void BasicWalk<Lattice, Statistics, Observer, Settings, Source>::NoteEdge() {
  s_.edgeY = static_cast<std::int16_t>(std::min(s_.prevY, s_.posY));
  s_.edgeX = std::min(s_.prevX, s_.posX);
}

// Pen width of the segment just walked: the edge's visit count before this visit. The count
// saturates at the 16-bit maximum, and an edge outside the counted range is drawn 1 wide and
// not counted.
template <LatticeDisplayRole Lattice, StatisticsDisplayRole Statistics, RunObserverRole Observer,
          WalkSettingsRole Settings, UniformSourceRole Source>
int BasicWalk<Lattice, Statistics, Observer, Settings, Source>::CountEdgeVisit() {
  const int i = s_.edgeX + s_.gridRadius;
  const int j = s_.edgeY + s_.gridRadius;
  if (i < 0 || i >= kEdgeIndexCount || j < 0 || j >= kEdgeIndexCount) return 1;
  auto& visits = s_.posX == s_.prevX ? s_.vEdgeVisits : s_.hEdgeVisits;
  std::int16_t& count = visits[i][j];
  const int width = count;
  if (count < std::numeric_limits<std::int16_t>::max()) ++count;
  return width;
}

template <LatticeDisplayRole Lattice, StatisticsDisplayRole Statistics, RunObserverRole Observer,
          WalkSettingsRole Settings, UniformSourceRole Source>
void BasicWalk<Lattice, Statistics, Observer, Settings, Source>::EndAtBoundary() {
  ShowEndMarkerAtPosition();
  CountJourneyIn(CountBox::Boundary);
  CountBoundaryHit();
  RecordJourney(BoundaryEnd());
  ReturnToStart();
  // The picture stays where the last step put it until the next step moves it.
  lattice_.WalkerToFront();
  CloseJourney();
}

template <LatticeDisplayRole Lattice, StatisticsDisplayRole Statistics, RunObserverRole Observer,
          WalkSettingsRole Settings, UniformSourceRole Source>
void BasicWalk<Lattice, Statistics, Observer, Settings, Source>::EndAtHome() {
  ShowEndMarkerAtPosition();
  CountJourneyIn(CountBox::Home);
  RecordJourney(JourneyEnd::Home);
  ReturnToStart();
  if (!s_.batchMode) PlaceWalkerOn(s_.posX, s_.posY);
  CloseJourney();
}

template <LatticeDisplayRole Lattice, StatisticsDisplayRole Statistics, RunObserverRole Observer,
          WalkSettingsRole Settings, UniformSourceRole Source>
void BasicWalk<Lattice, Statistics, Observer, Settings, Source>::ShowEndMarkerAtPosition() {
  const double size = s_.walkerSize;
  lattice_.ShowEndMarker(s_.posX - size / 4, s_.posY - size / 4, size / 2, size / 2);
}

// The counts live only as the texts of their boxes: read, add one, write back; then both
// shares are computed from the texts as they now stand.
template <LatticeDisplayRole Lattice, StatisticsDisplayRole Statistics, RunObserverRole Observer,
          WalkSettingsRole Settings, UniformSourceRole Source>
void BasicWalk<Lattice, Statistics, Observer, Settings, Source>::CountJourneyIn(CountBox box) {
  statistics_.SetCountBoxText(box, StrForm(ValueOf(statistics_.CountBoxText(box)) + 1));
  const double home = ValueOf(statistics_.CountBoxText(CountBox::Home));
  const double boundary = ValueOf(statistics_.CountBoxText(CountBox::Boundary));
  statistics_.SetCountBoxText(CountBox::HomeShare, Locale(ShareOf(home, boundary)));
  statistics_.SetCountBoxText(CountBox::BoundaryShare, Locale(ShareOf(boundary, home)));
}

template <LatticeDisplayRole Lattice, StatisticsDisplayRole Statistics, RunObserverRole Observer,
          WalkSettingsRole Settings, UniformSourceRole Source>
void BasicWalk<Lattice, Statistics, Observer, Settings, Source>::CountBoundaryHit() {
  const int r = s_.gridRadius;
  const auto bump = [](std::optional<std::int32_t>& hits) { hits = hits.value_or(0) + 1; };
  if (s_.posX == -r) bump(s_.hitsLeft);
  if (s_.posX == r) bump(s_.hitsRight);
  if (s_.posY == -r) s_.hitsTop += 1;
  if (s_.posY == r) bump(s_.hitsBottom);
  const auto shown = [](const std::optional<std::int32_t>& hits) -> std::optional<double> {
    if (!hits) return std::nullopt;
    return *hits;
  };
  statistics_.ShowHitCount(HitBox::Top, s_.hitsTop);
  statistics_.ShowHitCount(HitBox::Bottom, shown(s_.hitsBottom));
  statistics_.ShowHitCount(HitBox::Right, shown(s_.hitsRight));
  statistics_.ShowHitCount(HitBox::Left, shown(s_.hitsLeft));
}

// Length sum, journey count, mean, protocol line and, past 1001 journeys, the restart.
template <LatticeDisplayRole Lattice, StatisticsDisplayRole Statistics, RunObserverRole Observer,
          WalkSettingsRole Settings, UniformSourceRole Source>
void BasicWalk<Lattice, Statistics, Observer, Settings, Source>::RecordJourney(JourneyEnd end) {
  s_.lengthSum += s_.stepCount;
  ++s_.journeyCount;
  statistics_.SetCountBoxText(CountBox::Mean, Locale(MeanLength(s_.lengthSum, s_.journeyCount)));
  statistics_.SetProtocolText(AppendProtocolLine(statistics_.ProtocolText(), s_.journeyCount,
                                                 s_.stepCount, s_.posX, s_.posY, s_.posZ));
  observer_.JourneyEnded(JourneyRecord{s_.journeyCount, s_.stepCount, s_.posX, s_.posY, s_.posZ,
                                       end, CurrentJourneySetting()});
  if (s_.journeyCount > kJourneysBeforeRestart) {
    observer_.StatisticsRestart();
    ResetCounters();
  }
}

// The side of the boundary the walker stands on; on none of the four it is a z face.
template <LatticeDisplayRole Lattice, StatisticsDisplayRole Statistics, RunObserverRole Observer,
          WalkSettingsRole Settings, UniformSourceRole Source>
JourneyEnd BasicWalk<Lattice, Statistics, Observer, Settings, Source>::BoundaryEnd() const {
  const int r = s_.gridRadius;
  if (s_.posY == -r) return JourneyEnd::Top;
  if (s_.posX == r) return JourneyEnd::Right;
  if (s_.posY == r) return JourneyEnd::Bottom;
  if (s_.posX == -r) return JourneyEnd::Left;
  return JourneyEnd::ZFace;
}

template <LatticeDisplayRole Lattice, StatisticsDisplayRole Statistics, RunObserverRole Observer,
          WalkSettingsRole Settings, UniformSourceRole Source>
void BasicWalk<Lattice, Statistics, Observer, Settings, Source>::ReturnToStart() {
  s_.posX = s_.prevX = s_.homeX;
  s_.posY = s_.prevY = s_.homeY;
  s_.posZ = s_.prevZ = 0;
}

template <LatticeDisplayRole Lattice, StatisticsDisplayRole Statistics, RunObserverRole Observer,
          WalkSettingsRole Settings, UniformSourceRole Source>
void BasicWalk<Lattice, Statistics, Observer, Settings, Source>::RunJourney() {
  s_.journeyOver = false;
  do {
    DoStep();
    observer_.StepTaken();
  } while (!s_.journeyOver);
}

template <LatticeDisplayRole Lattice, StatisticsDisplayRole Statistics, RunObserverRole Observer,
          WalkSettingsRole Settings, UniformSourceRole Source>
void BasicWalk<Lattice, Statistics, Observer, Settings, Source>::RunTwentyJourneys() {
  for (s_.journeyIndex = 1; s_.journeyIndex <= 20; ++s_.journeyIndex) RunJourney();
}

template <LatticeDisplayRole Lattice, StatisticsDisplayRole Statistics, RunObserverRole Observer,
          WalkSettingsRole Settings, UniformSourceRole Source>
bool BasicWalk<Lattice, Statistics, Observer, Settings, Source>::BeginStepwiseRun() {
  const RunMode mode = settings_.Mode();
  if (mode == RunMode::Step) return false;
  s_.batchMode = false;
  stepwiseJourneys_ = mode == RunMode::TwentyJourneys ? 20 : 1;
  s_.journeyIndex = 1;
  s_.journeyOver = false;
  return true;
}

template <LatticeDisplayRole Lattice, StatisticsDisplayRole Statistics, RunObserverRole Observer,
          WalkSettingsRole Settings, UniformSourceRole Source>
bool BasicWalk<Lattice, Statistics, Observer, Settings, Source>::ContinueStepwiseRun() {
  DoStep();
  observer_.StepTaken();
  if (!s_.journeyOver) return true;
  if (++s_.journeyIndex > stepwiseJourneys_) return false;
  s_.journeyOver = false;
  return true;
}

template <LatticeDisplayRole Lattice, StatisticsDisplayRole Statistics, RunObserverRole Observer,
          WalkSettingsRole Settings, UniformSourceRole Source>
void BasicWalk<Lattice, Statistics, Observer, Settings, Source>::Start() {
  switch (settings_.Mode()) {
    case RunMode::Step:
      s_.batchMode = false;
      DoStep();
      break;
    case RunMode::Journey:
      s_.batchMode = false;
      RunJourney();
      break;
    case RunMode::TwentyJourneys:
      s_.batchMode = true;
      RunTwentyJourneys();
      break;
  }
}

template <LatticeDisplayRole Lattice, StatisticsDisplayRole Statistics, RunObserverRole Observer,
          WalkSettingsRole Settings, UniformSourceRole Source>
void BasicWalk<Lattice, Statistics, Observer, Settings, Source>::MoveStartPoint(
    Direction direction) {
  const int r = settings_.LatticeSize();
  switch (direction) {
    case Direction::Left:
      if (s_.posX > 1 - r) --s_.posX;
      break;
    case Direction::Right:
      if (s_.posX < r - 1) ++s_.posX;
      break;
    case Direction::Up:
      if (s_.posY > 1 - r) --s_.posY;
      break;
    case Direction::Down:
      if (s_.posY < r - 1) ++s_.posY;
      break;
  }
  s_.homeX = s_.prevX = s_.posX;
  s_.homeY = s_.prevY = s_.posY;
  s_.prevZ = s_.posZ;
  PlaceWalkerOn(s_.posX, s_.posY);
  statistics_.ShowCoordinates(s_.posX, -s_.posY, s_.posZ);
  lattice_.SetWalkerVisible(s_.posZ == 0);
}

template <LatticeDisplayRole Lattice, StatisticsDisplayRole Statistics, RunObserverRole Observer,
          WalkSettingsRole Settings, UniformSourceRole Source>
void BasicWalk<Lattice, Statistics, Observer, Settings, Source>::ClearTraces() {
  ReturnToStart();
  s_.gridRadius = settings_.LatticeSize();
  lattice_.ClearTraces(Drawing());
  s_.hEdgeVisits = FreshEdgeVisits();
  s_.vEdgeVisits = FreshEdgeVisits();
}

template <LatticeDisplayRole Lattice, StatisticsDisplayRole Statistics, RunObserverRole Observer,
          WalkSettingsRole Settings, UniformSourceRole Source>
void BasicWalk<Lattice, Statistics, Observer, Settings, Source>::ResetCounters() {
  s_.lengthSum = 0;
  s_.journeyCount = 0;
  s_.hitsLeft = s_.hitsRight = s_.hitsBottom = 0;
  s_.hitsTop = 0;
  statistics_.ResetCounters();
  // The reset's "(0, 0, 0)" is the walker's place only on the origin; elsewhere the coordinates
  // stay the walker's.
  if (s_.posX != 0 || s_.posY != 0 || s_.posZ != 0) {
    statistics_.ShowCoordinates(s_.posX, -s_.posY, s_.posZ);
  }
  observer_.CountersReset();
}

template <LatticeDisplayRole Lattice, StatisticsDisplayRole Statistics, RunObserverRole Observer,
          WalkSettingsRole Settings, UniformSourceRole Source>
void BasicWalk<Lattice, Statistics, Observer, Settings, Source>::DrawLattice() {
  s_.gridRadius = settings_.LatticeSize();
  lattice_.DrawLattice(Drawing());
}

template <LatticeDisplayRole Lattice, StatisticsDisplayRole Statistics, RunObserverRole Observer,
          WalkSettingsRole Settings, UniformSourceRole Source>
void BasicWalk<Lattice, Statistics, Observer, Settings, Source>::StartUp() {
  s_.homeX = s_.homeY = 0;
  ReturnToStart();
  s_.hEdgeVisits = FreshEdgeVisits();
  s_.vEdgeVisits = FreshEdgeVisits();
  s_.walkerSize = 0.6;
  lattice_.SizeWalker(s_.walkerSize);
  PlaceWalkerOn(0, 0);
  statistics_.ShowCoordinates(0, 0, 0);
}

template <LatticeDisplayRole Lattice, StatisticsDisplayRole Statistics, RunObserverRole Observer,
          WalkSettingsRole Settings, UniformSourceRole Source>
void BasicWalk<Lattice, Statistics, Observer, Settings, Source>::ChangeLatticeSize() {
  const int r = settings_.LatticeSize();
  lattice_.HideEndMarker();
  // A smaller lattice must not leave the start point on or beyond its boundary: journeys
  // from there could never end and the edge counts would leave their range.
  s_.homeX = std::clamp(s_.homeX, 1 - r, r - 1);
  s_.homeY = std::clamp(s_.homeY, 1 - r, r - 1);
  s_.walkerSize = WalkerSizeFor(r);
  lattice_.SizeWalker(static_cast<float>(s_.walkerSize));
  lattice_.PlaceWalker(static_cast<float>(s_.homeX - s_.walkerSize / 2),
                       static_cast<float>(s_.homeY - s_.walkerSize / 2));
  // Clearing the traces puts the walker back on the start point, takes the new radius and
  // draws the new lattice.
  ClearTraces();
  ResetCounters();
  s_.stepCount = 0;
}

template <LatticeDisplayRole Lattice, StatisticsDisplayRole Statistics, RunObserverRole Observer,
          WalkSettingsRole Settings, UniformSourceRole Source>
void BasicWalk<Lattice, Statistics, Observer, Settings, Source>::MoveStartToOrigin() {
  s_.homeX = s_.homeY = 0;
  s_.posX = s_.posY = 0;
  s_.prevX = s_.prevY = 0;
  PlaceWalkerOn(0, 0);
}

}  // namespace quirlweg
