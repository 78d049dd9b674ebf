#include "window/experiment_setup.h"

#include <QAbstractButton>
#include <QAction>
#include <QButtonGroup>
#include <QCheckBox>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QSlider>
#include <algorithm>
#include <cstdlib>

#include "lesson/tempo_scale.h"
#include "window/simulation.h"

namespace quirlweg {
namespace {

// The heat-trace entry of the lattice view's menu, when the program has one.
QAction* HeatTraceAction(const Simulation& window) {
  return window.findChild<QAction*>(QStringLiteral("actWaermebild"));
}

int TempoPosition(int stepsPerSecond) {
  const auto step = std::find(kTempoSteps.begin(), kTempoSteps.end(), stepsPerSecond);
  return static_cast<int>((step == kTempoSteps.end() ? kTempoSteps.end() - 1 : step) -
                          kTempoSteps.begin());
}

void ClickTimes(QAbstractButton* button, int times) {
  for (int i = 0; i < times; ++i) button->click();
}

}  // namespace

Experiment CurrentExperiment(const Simulation& window) {
  const WindowControls& c = window.controls();
  const WalkState& state = window.walk().state();
  Experiment e;
  e.dimension = c.dimensionGroup->checkedId() + 1;
  e.radius = c.latticeSizeBar->value();
  e.rightPercent = c.probabilityBar->value();
  e.startX = state.homeX;
  e.startY = -state.homeY;
  e.homeAbsorbs = c.homeAbsorbsBox->isChecked();
  e.mode = window.settings().Mode();
  e.tempo = kTempoSteps[static_cast<std::size_t>(c.tempoSlider->value())];
  e.protocolShown = c.showProtocolBox->isChecked();
  const QAction* heat = HeatTraceAction(window);
  e.heatTraces = heat != nullptr && heat->isChecked();
  e.seed = window.Seed();
  // A series walked under one setting from its seed: opening the file walks it again.
  const JourneySeries& series = window.series();
  const JourneySetting now = window.walk().CurrentJourneySetting();
  const bool oneSetting = series.Settings().size() == 1 && series.Settings().front() == now;
  if (oneSetting && series.size() <= kMostSavedJourneys) {
    for (const JourneyRecord& j : series) e.series.push_back({j.length, j.x, -j.y, j.z});
  }
  return e;
}

void ApplyExperiment(Simulation& window, const Experiment& e) {
  const WindowControls& c = window.controls();
  // A paced run ends first; its handlers would otherwise find the controls disabled.
  if (window.IsPacedRunGoing()) c.startButton->click();
  // A click on the dimension puts the start point back on the origin, chosen or not before.
  c.dimensionOptions[static_cast<std::size_t>(e.dimension - 1)]->click();
  c.latticeSizeBar->setValue(e.radius);
  c.probabilityBar->setValue(e.rightPercent);
  if (c.homeAbsorbsBox->isChecked() != e.homeAbsorbs) c.homeAbsorbsBox->click();
  // Left, right, up, down; y counts upward in the file, downward in the walk.
  ClickTimes(c.startPointButtons[e.startX < 0 ? 0 : 1], std::abs(e.startX));
  ClickTimes(c.startPointButtons[e.startY > 0 ? 2 : 3], std::abs(e.startY));
  c.modeOptions[static_cast<std::size_t>(e.mode)]->setChecked(true);
  c.tempoSlider->setValue(TempoPosition(e.tempo));
  if (c.showProtocolBox->isChecked() != e.protocolShown) c.showProtocolBox->click();
  if (QAction* heat = HeatTraceAction(window)) heat->setChecked(e.heatTraces);
  window.UseSeed(e.seed);
}

std::int64_t WalkJourneys(Simulation& window, std::int64_t journeys,
                          const std::function<bool(std::int64_t walked)>& goOn) {
  const WindowControls& c = window.controls();
  QRadioButton* const mode = c.modeOptions[static_cast<std::size_t>(window.settings().Mode())];
  const int tempo = c.tempoSlider->value();
  c.tempoSlider->setValue(TempoPosition(kFastestTempo));
  window.ShowRestartNotice(false);
  std::int64_t walked = 0;
  const auto clickFor = [&](RunMode runMode, int perClick, std::int64_t clicks) {
    c.modeOptions[static_cast<std::size_t>(runMode)]->setChecked(true);
    for (std::int64_t i = 0; i < clicks; ++i) {
      c.startButton->click();
      walked += perClick;
      if (goOn && !goOn(walked)) return false;
    }
    return true;
  };
  if (clickFor(RunMode::TwentyJourneys, 20, journeys / 20)) {
    clickFor(RunMode::Journey, 1, journeys % 20);
  }
  window.ShowRestartNotice(true);
  mode->setChecked(true);
  c.tempoSlider->setValue(tempo);
  return walked;
}

}  // namespace quirlweg
