#include "display_mode.h"

#include <QPlainTextEdit>
#include <QWidget>

#include "bench_settings.h"
#include "display/picture_area.h"
#include "display/qt_text.h"
#include "display/walk_displays.h"
#include "engine/walk.h"
#include "lattice_geometry.h"
#include "walk_runs.h"
#include "window/placement.h"
#include "window/window_controls.h"

namespace quirlweg::bench {

namespace {

// The window's own controls, laid out for the primary screen as the window lays them out, in a
// holder that is never shown; the protocol list is hidden as when the window starts.
void LayOutLikeTheWindow(WindowControls& controls, QSize latticeSize) {
  const ScreenLayout layout = PrimaryScreenLayout();
  for (const ControlPlacement& placement : layout.arrangement.controls) {
    if (QWidget* control = controls.byName.value(ToQString(placement.name))) {
      PlaceControl(*control, placement, layout.dpiX, layout.dpiY);
    }
  }
  controls.latticeView->resize(latticeSize);
  controls.protocolBox->hide();
}

// Takes the totals the displays show at every restart notice, before they are cleared; the run
// goes straight on, as after a click on OK.
class TallyingObserver final : public RunObserver {
 public:
  TallyingObserver(const StatisticsDisplays& statistics, JourneyTally& tally)
      : statistics_(statistics), tally_(tally) {}
  void Watch(const WalkState& state) { state_ = &state; }

  void StatisticsRestart() override { TakeShownTotals(); }
  void StepTaken() override {}
  void JourneyEnded(const JourneyRecord&) override {}
  void CountersReset() override {}
  void TakeShownTotals() {
    tally_.AddShownTotals(statistics_.CountBoxText(CountBox::Home),
                          statistics_.CountBoxText(CountBox::Boundary), *state_);
  }

 private:
  const StatisticsDisplays& statistics_;
  JourneyTally& tally_;
  const WalkState* state_ = nullptr;
};

}  // namespace

TimedRun RunDisplayMode(const BenchOptions& options, QSize latticeSize) {
  TimedRun run;
  run.tally.radius = options.radius;
  QWidget holder;
  WindowControls controls = BuildControls(holder);
  LayOutLikeTheWindow(controls, latticeSize);
  WalkDisplays displays(DisplayWidgetsOf(controls));
  TallyingObserver observer(displays.statistics(), run.tally);
  FixedSettings settings = SettingsFor(options);
  GeneratorSource source(Xoshiro128(options.seed));
  Walk walk(displays.lattice(), displays.statistics(), observer, settings, source);
  observer.Watch(walk.state());

  // As the window starts: the lattice, the walker on the origin, then the chosen size.
  walk.DrawLattice();
  walk.StartUp();
  walk.ChangeLatticeSize();
  walk.MoveStartPointTo(options.startX, options.startY);
  run.seconds = SecondsOf([&] { RunInClicks(walk, settings, options.journeys); });
  observer.TakeShownTotals();
  return run;
}

}  // namespace quirlweg::bench
