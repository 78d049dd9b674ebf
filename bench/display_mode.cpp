#include "display_mode.h"

#include <QLineEdit>
#include <QPalette>
#include <QPlainTextEdit>
#include <QWidget>
#include <memory>

#include "bench_settings.h"
#include "display/controls.h"
#include "display/display_forwarder.h"
#include "display/lattice_view.h"
#include "display/picture_area.h"
#include "display/statistics_displays.h"
#include "engine/protocol.h"
#include "engine/walk.h"
#include "walk_runs.h"

namespace quirlweg::bench {

namespace {

// The window's displays without the window: the picture areas, boxes and the protocol list,
// coloured as the window colours them, in a holder that is never shown.
class HiddenDisplays {
 public:
  explicit HiddenDisplays(QSize latticeSize) {
    const QColor windowText = holder_.palette().color(QPalette::WindowText);
    lattice_ = new PictureArea(&holder_);
    lattice_->setGeometry(QRect(QPoint(0, 0), latticeSize));
    lattice_->SetBackColor(QColor(224, 224, 224));
    lattice_->SetForeColor(windowText);
    lattice_->SetDrawWidth(4);
    auto* marker = new ShapeControl(lattice_);
    auto* walker = new ImageControl(lattice_);

    StatisticsWidgets widgets;
    widgets.coordinates = TextArea(QSize(120, 24));
    widgets.steps = TextArea(QSize(100, 18));
    for (auto& hits : widgets.hits) hits = TextArea(QSize(50, 18));
    for (auto& box : widgets.countBoxes) box = new QLineEdit(QStringLiteral("0"), &holder_);
    widgets.protocol = new QPlainTextEdit(&holder_);
    widgets.protocol->hide();  // as the window starts: the list is not shown

    statistics_ = std::make_unique<StatisticsDisplays>(widgets);
    statistics_->SetProtocolText(kProtocolHeader);
    view_ = std::make_unique<LatticeView>(*lattice_, *walker, *marker);
  }

  LatticeView& view() { return *view_; }
  StatisticsDisplays& statistics() { return *statistics_; }

 private:
  PictureArea* TextArea(QSize size) {
    auto* area = new PictureArea(&holder_);
    area->resize(size);
    area->SetForeColor(holder_.palette().color(QPalette::WindowText));
    area->Cls();
    return area;
  }

  QWidget holder_;  // owns every control
  PictureArea* lattice_ = nullptr;
  std::unique_ptr<StatisticsDisplays> statistics_;
  std::unique_ptr<LatticeView> view_;
};

// Carries every request out on the displays and tallies the journey ends on the way. The
// restart notice needs no box here: the run goes straight on, as after a click on OK.
class TallyingDisplays final : public DisplayForwarder {
 public:
  TallyingDisplays(HiddenDisplays& displays, JourneyTally& tally)
      : DisplayForwarder(displays.view(), displays.statistics()), tally_(tally) {}

  void ShowEndMarker(double left, double top, double width, double height) override {
    DisplayForwarder::ShowEndMarker(left, top, width, height);
    tally_.EndMarkerShown(left, top, width, height);
  }
  void SetCountBoxText(CountBox box, std::string_view text) override {
    DisplayForwarder::SetCountBoxText(box, text);
    tally_.CountBoxWritten(box);
  }
  void Notice(std::string_view) override {}
  void StepTaken() override { ++tally_.steps; }

 private:
  JourneyTally& tally_;
};

}  // namespace

TimedRun RunDisplayMode(const BenchOptions& options, QSize latticeSize) {
  TimedRun run;
  run.tally.radius = options.radius;
  HiddenDisplays displays(latticeSize);
  TallyingDisplays sink(displays, run.tally);
  FixedSettings chosen = SettingsFor(options);
  SettingsSource settings(chosen);
  GeneratorSource source(Xoshiro128(options.seed));
  Walk walk(sink, settings, source);

  // As the window starts: the lattice, the walker on the origin, then the chosen size.
  walk.DrawLattice();
  walk.StartUp();
  walk.ChangeLatticeSize();
  MoveStartPoint(walk, options.startX, options.startY);
  run.seconds = SecondsOf([&] { RunInClicks(walk, chosen, options.journeys); });
  return run;
}

}  // namespace quirlweg::bench
