#pragma once

#include <QWidget>
#include <cstdint>
#include <functional>

#include "engine/settings.h"
#include "engine/uniform_source.h"
#include "engine/walk.h"
#include "export/report.h"
#include "lesson/experiment.h"
#include "series/journey_series.h"
#include "window/window_controls.h"

namespace quirlweg {

// An experiment's series walked for a report without the window: the window's own controls in
// a holder that is never shown, laid out as on a large screen so that the lattice picture is
// sharp on paper, and the engine's walk drawing into them from the experiment's seed, as the
// start button does at the fastest tempo.
class ReportWalk final : public RunObserver {
 public:
  explicit ReportWalk(const Experiment& experiment);
  ReportWalk(const ReportWalk&) = delete;
  ReportWalk& operator=(const ReportWalk&) = delete;

  // "20 Reisen" as often as it fits, then single journeys; `walked` hears how many are walked
  // after every click.
  void Walk(std::int64_t journeys, const std::function<void(std::int64_t walked)>& walked);

  const JourneySeries& series() const { return series_; }
  ReportContents Contents() const;

  // RunObserver: the restart after 1001 journeys goes straight on, as after a click on OK.
  void StatisticsRestart() override {}
  void StepTaken() override {}
  void JourneyEnded(const JourneyRecord& journey) override { series_.Add(journey); }
  void CountersReset() override {}

 private:
  std::uint64_t seed_;
  bool protocolShown_;
  QWidget holder_;
  WindowControls controls_;
  WalkDisplays displays_;
  FixedSettings settings_;
  GeneratorSource source_;
  quirlweg::Walk walk_;
  JourneySeries series_;
};

}  // namespace quirlweg
