#pragma once

#include <QPixmap>
#include <QWidget>
#include <chrono>
#include <cstdint>
#include <memory>
#include <optional>
#include <string_view>
#include <utility>

#include "display/walk_displays.h"
#include "engine/uniform_source.h"
#include "engine/walk.h"
#include "layout/layout.h"
#include "series/journey_series.h"
#include "window/control_settings.h"
#include "window/paced_run.h"
#include "window/window_controls.h"

namespace quirlweg {

// The program's one window: it builds and lays out the controls, owns the walk with its
// displays and settings, and routes the controls' events to the walk. As the walk's run
// observer it shows the restart notice and paints frames while a run goes on.
class Simulation : public QWidget, public RunObserver {
  Q_OBJECT

 public:
  // Without a source the walk draws from its own generator, seeded from the clock on load.
  explicit Simulation(std::unique_ptr<UniformSource> source = nullptr, QWidget* parent = nullptr);
  ~Simulation() override;

  Walk& walk() { return walk_; }
  const Walk& walk() const { return walk_; }
  const ControlSettings& settings() const { return settings_; }
  const WindowControls& controls() const { return controls_; }
  const StatisticsDisplays& statistics() const { return displays_.statistics(); }
  LatticeView& lattice() { return displays_.lattice(); }
  // Screen updates made while a run was going on, including the one at its end.
  int FramesDrawn() const { return framesDrawn_; }
  // Steps taken by runs of one or twenty journeys since the window opened.
  std::int64_t StepsTaken() const { return stepsTaken_; }
  // A run paced by the tempo control is going on.
  bool IsPacedRunGoing() const { return pacedRun_->IsRunning(); }
  // The placement last applied, for the screen the window is on.
  const Arrangement& CurrentArrangement() const { return arrangement_; }
  // Places every control for the size of the screen the window is on, or of the part of it
  // the window was given (LayOutFor), and redraws the lattice.
  void ArrangeControls();
  // Lays the window out for `area`, a part of its screen in screen pixels, frame included,
  // and puts it there: the evaluation then has the rest of the screen. Without an area the
  // window is laid out for the whole screen and maximised again, as it starts.
  void LayOutFor(const std::optional<QRect>& area);
  // Lays the window out for `area` as LayOutFor does, in the lesson arrangement: made for the
  // class to read beside the open evaluation. LayOutFor goes back to the classic layout.
  void LayOutForLesson(const QRect& area);
  // Whether the window is laid out in the lesson arrangement.
  bool InLessonArrangement() const { return lesson_; }

  // Puts the window in `setting` through the handlers a user's clicks reach, without clicking:
  // the dimension (which puts the start point back on the origin), the lattice size, p, home,
  // then the start point one step at a time as its arrows move it. A paced run ends first.
  void ApplySetting(const JourneySetting& setting);
  // Shows or hides the protocol as its check box does.
  void ShowProtocol(bool shown);
  // What the start button does: a step, a journey or twenty, paced by the tempo or at once.
  void Start() { OnStartClicked(); }

  // The journeys behind the counters the window shows.
  const JourneySeries& series() const { return series_; }

  // The seed the series was walked from: the same seed, setting and clicks give the same
  // journeys. Without a seed chosen the first comes from the clock; each new series after
  // walking gets the next one from the generator, so that every series has its own.
  std::uint64_t Seed() const { return seed_; }
  // Starts a new series from `seed`: the walker back on the start point, traces and counters
  // cleared. A source given to the constructor is not reseeded.
  void UseSeed(std::uint64_t seed);

  // Whether the restart after 1001 journeys is told in a notice that holds the run until it is
  // closed. Off while the program walks journeys by itself, which nobody watches.
  void ShowRestartNotice(bool shown) { restartNoticeShown_ = shown; }

  // RunObserver
  void JourneyEnded(const JourneyRecord& journey) override { series_.Add(journey); }
  // The restart after 1001 journeys resets the counters but goes on with the series.
  void CountersReset() override;
  void StatisticsRestart() override;
  void StepTaken() override;

 signals:
  // The series is about to be cleared (counters reset, a new lattice size, dimension or home
  // choice, a new seed); series() and Seed() still give it.
  void SeriesClearing();
  // ApplySetting() put the window in a setting, which no control's click announces.
  void SettingApplied();

 protected:
  void resizeEvent(QResizeEvent* event) override;
  void changeEvent(QEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void showEvent(QShowEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void LoadArtwork();
  void ConnectHandlers();
  // Runs once, after the controls exist and before the window is first shown.
  void Load();
  void FitButtonPictures();
  void PutInto(const QRect& area);
  QSize NormalSize() const;
  void DrawFrame();

  void OnLatticeSizeChanged(int radius);
  void OnRightProbabilityChanged(int percent);
  void OnDimensionChosen(int index);
  void OnShowProtocolClicked();
  void OnStartClicked();
  void OnTempoChanged(int position);
  int Tempo() const;
  // While a paced run goes, the start button stops it and whatever would change the walk
  // under it is disabled.
  void ShowPacedRunGoing(bool going);

  // The walk's generator sits before the walk, which keeps a reference to it.
  GeneratorSource generator_;
  std::uint64_t seed_ = 0;
  std::unique_ptr<UniformSource> injected_;
  WindowControls controls_;
  WalkDisplays displays_;
  ControlSettings settings_;
  Walk walk_;
  JourneySeries series_;
  bool restarting_ = false;
  bool restartNoticeShown_ = true;
  PacedRun* pacedRun_ = nullptr;

  Arrangement arrangement_;
  std::optional<QSize> layoutSize_;  // the size given to lay out for, or the screen's
  bool lesson_ = false;              // the lesson arrangement rather than the classic one
  QPixmap startPicture_;
  QPixmap startPictureAlternate_;

  // Frame pacing of a running journey.
  using Clock = std::chrono::steady_clock;
  std::uint32_t stepsSinceClockRead_ = 0;
  Clock::time_point lastFrame_{};
  int framesDrawn_ = 0;
  std::int64_t stepsTaken_ = 0;
};

}  // namespace quirlweg
