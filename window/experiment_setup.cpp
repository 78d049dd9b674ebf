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

}  // namespace

Experiment CurrentExperiment(const Simulation& window) {
  const WindowControls& c = window.controls();
  Experiment e;
  e.setting = window.walk().CurrentJourneySetting();
  e.mode = window.settings().Mode();
  e.tempo = kTempoSteps[static_cast<std::size_t>(c.tempoSlider->value())];
  e.protocolShown = c.showProtocolBox->isChecked();
  const QAction* heat = HeatTraceAction(window);
  e.heatTraces = heat != nullptr && heat->isChecked();
  e.seed = window.Seed();
  // A series walked under one setting from its seed: opening the file walks it again.
  const JourneySeries& series = window.series();
  const bool oneSetting = series.Settings().size() == 1 && series.Settings().front() == e.setting;
  if (oneSetting && series.size() <= kMostSavedJourneys) {
    for (const JourneyRecord& j : series) e.series.push_back(SavedJourneyOf(j));
  }
  return e;
}

std::optional<Experiment> SeriesExperiment(const Simulation& window) {
  const JourneySeries& series = window.series();
  if (series.empty() || series.Settings().size() != 1 || series.size() > kMostSavedJourneys) {
    return std::nullopt;
  }
  Experiment e = CurrentExperiment(window);
  e.setting = series.Settings().front();
  e.series.clear();
  for (const JourneyRecord& j : series) e.series.push_back(SavedJourneyOf(j));
  return e;
}

void ApplyExperiment(Simulation& window, const Experiment& e) {
  const WindowControls& c = window.controls();
  window.ApplySetting(e.setting);
  // The run mode and the tempo are read when the start button is clicked.
  c.modeOptions[static_cast<std::size_t>(e.mode)]->setChecked(true);
  c.tempoSlider->setValue(TempoPosition(e.tempo));
  window.ShowProtocol(e.protocolShown);
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
      window.Start();
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
