#include "window/experiment_setup.h"

#include <gtest/gtest.h>

#include <QPushButton>
#include <QScrollBar>
#include <memory>

#include "evaluation/evaluation.h"
#include "sweep/silent_walk.h"
#include "window/simulation.h"
#include "window/trace_style_choice.h"

namespace quirlweg {
namespace {

// A window as the program makes it, on its own seeded generator.
std::unique_ptr<Simulation> ProgramWindow() {
  auto window = std::make_unique<Simulation>();
  new Evaluation(*window);
  new TraceStyleChoice(*window);
  window->show();
  return window;
}

std::vector<SavedJourney> Journeys(const Simulation& window) {
  std::vector<SavedJourney> journeys;
  for (const JourneyRecord& j : window.series()) journeys.push_back(SavedJourneyOf(j));
  return journeys;
}

// Set up through the controls, the window reports back what it was given, and a second window
// given the same walks the same journeys, as does the engine alone for a run without the
// window: a start point mirrored in y, a choice set on the wrong control or a seed not taken
// would each break one of them.
TEST(ExperimentSetupTest, WindowTakesTheExperimentAndWalksItAgain) {
  Experiment oneD;
  oneD.setting = {1, 7, 0.63, false, -6, -2};
  oneD.mode = RunMode::Step;
  oneD.tempo = 20;
  oneD.protocolShown = true;
  oneD.seed = 4242;
  Experiment threeD;
  threeD.setting = {3, 3, 0.5, true, 2, 1};
  threeD.mode = RunMode::TwentyJourneys;
  threeD.heatTraces = true;
  threeD.seed = 0;
  for (const Experiment& experiment : {oneD, threeD, Experiment{}}) {
    SCOPED_TRACE(experiment.setting.dimension);
    const auto first = ProgramWindow();
    // Walked before, so that the experiment has to undo it.
    first->controls().startPointButtons[2]->click();
    WalkJourneys(*first, 3);
    ApplyExperiment(*first, experiment);
    EXPECT_EQ(CurrentExperiment(*first), experiment);
    WalkJourneys(*first, 45);
    ASSERT_EQ(first->series().size(), 45U);
    EXPECT_EQ(CurrentExperiment(*first).mode, experiment.mode);  // put back after the walk

    const auto second = ProgramWindow();
    ApplyExperiment(*second, experiment);
    WalkJourneys(*second, 45);
    EXPECT_EQ(Journeys(*second), Journeys(*first));

    std::vector<SavedJourney> silent;
    WalkSilently(experiment.setting, 45, experiment.seed, [&silent](const JourneyRecord& j) {
      silent.push_back(SavedJourneyOf(j));
      return true;
    });
    EXPECT_EQ(silent, Journeys(*first));
  }
}

// Every series has a seed of its own: one that was walked from gets a new one when the
// counters are reset, one not yet walked from keeps it, so that a seed typed in survives a
// change of the lattice size made before the first click.
TEST(ExperimentSetupTest, ANewSeriesAfterWalkingGetsANewSeed) {
  const auto window = ProgramWindow();
  window->UseSeed(77);
  window->controls().latticeSizeBar->setValue(9);
  EXPECT_EQ(window->Seed(), 77U);
  WalkJourneys(*window, 1);
  window->controls().resetCountersButton->click();
  EXPECT_NE(window->Seed(), 77U);
}

}  // namespace
}  // namespace quirlweg
