#include "app/report_walk.h"

#include <QGuiApplication>
#include <QScreen>

#include "display/picture_area.h"
#include "display/qt_text.h"
#include "layout/layout.h"
#include "layout/twips.h"
#include "window/placement.h"

namespace quirlweg {
namespace {

// The window's layout for a 1600 × 1200 screen.
void LayOutAsOnALargeScreen(const WindowControls& controls) {
  const QScreen* screen = QGuiApplication::primaryScreen();
  const double dpiX = screen->logicalDotsPerInchX();
  const double dpiY = screen->logicalDotsPerInchY();
  const Arrangement arrangement =
      ArrangeControls(PixelsToTwips(1600, dpiX), PixelsToTwips(1200, dpiY));
  for (const ControlPlacement& placement : arrangement.controls) {
    if (QWidget* control = controls.byName.value(ToQString(placement.name))) {
      PlaceControl(*control, placement, dpiX, dpiY);
    }
  }
}

}  // namespace

ReportWalk::ReportWalk(const Experiment& experiment)
    : seed_(experiment.seed),
      protocolShown_(experiment.protocolShown),
      controls_(BuildControls(holder_)),
      displays_(DisplayWidgetsOf(controls_)),
      settings_(experiment.setting, RunMode::TwentyJourneys),
      source_(Xoshiro128(experiment.seed)),
      walk_(displays_.lattice(), displays_.statistics(), *this, settings_, source_) {
  holder_.setAttribute(Qt::WA_DontShowOnScreen);
  LayOutAsOnALargeScreen(controls_);
  holder_.show();
  displays_.lattice().SetTraceStyle(experiment.heatTraces ? TraceStyle::Heat : TraceStyle::Classic);
  // As the window starts and then takes the experiment's setting.
  walk_.DrawLattice();
  walk_.StartUp();
  walk_.ChangeLatticeSize();
  walk_.MoveStartPointTo(experiment.setting.startX, experiment.setting.startY);
}

void ReportWalk::Walk(std::int64_t journeys,
                      const std::function<void(std::int64_t walked)>& walked) {
  std::int64_t done = 0;
  settings_.mode = RunMode::TwentyJourneys;
  for (; done + 20 <= journeys; done += 20) {
    walk_.Start();
    walked(done + 20);
  }
  settings_.mode = RunMode::Journey;
  for (; done < journeys; ++done) {
    walk_.Start();
    walked(done + 1);
  }
}

ReportContents ReportWalk::Contents() const {
  ReportContents contents{series_, seed_, controls_.latticeView->grab().toImage(), {}, {}, {}};
  if (protocolShown_) contents.protocol = displays_.statistics().ProtocolLines();
  return contents;
}

}  // namespace quirlweg
