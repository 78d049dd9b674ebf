#include "sweep_window.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QSpinBox>
#include <QTabWidget>
#include <QTimer>
#include <algorithm>
#include <memory>

#include "engine/uniform_source.h"
#include "evaluation/evaluation.h"
#include "evaluation/sweep_page.h"
#include "window/simulation.h"
#include "window_mode.h"

namespace quirlweg::bench {
namespace {

template <class Control>
Control& Find(const QObject& window, const char* name) {
  auto* control = window.findChild<Control*>(QString::fromLatin1(name));
  if (control == nullptr) qFatal("walkbench: the window has no control %s", name);
  return *control;
}

// Runs the event loop until the page reports the sweep over, noting the longest gap between
// two ticks of a timer that asks to run every millisecond: the longest the thread was busy.
double AwaitFinished(SweepPage& page, bool& completed) {
  QEventLoop loop;
  const auto done = QObject::connect(&page, &SweepPage::Finished, &loop, [&](bool c) {
    completed = c;
    loop.quit();
  });
  QTimer tick;
  tick.setTimerType(Qt::PreciseTimer);
  tick.setInterval(1);
  QElapsedTimer since;
  double longest = 0;
  QObject::connect(&tick, &QTimer::timeout, [&] {
    longest = std::max(longest, since.nsecsElapsed() / 1e6);
    since.start();
  });
  since.start();
  tick.start();
  loop.exec();
  QObject::disconnect(done);
  return longest;
}

}  // namespace

SweepWindowRun RunSweepWindow(const BenchOptions& options) {
  SweepWindowRun run;
  Simulation window(std::make_unique<GeneratorSource>(Xoshiro128(options.seed)));
  new Evaluation(window);  // a child of the window, as in the program
  window.show();
  QCoreApplication::processEvents();
  ChooseSettings(window, options);
  Find<QAbstractButton>(window, "cmdAuswertung").click();
  QCoreApplication::processEvents();
  Find<QTabWidget>(window, "tabAuswertung").setCurrentIndex(3);
  auto& page = *window.findChild<SweepPage*>();
  Find<QComboBox>(window, "cboReihe").setCurrentIndex(static_cast<int>(*options.sweepWindow));
  Find<QSpinBox>(window, "txtReisenJePunkt").setValue(static_cast<int>(options.perPoint));
  auto& start = Find<QAbstractButton>(window, "cmdReiheStarten");
  QCoreApplication::processEvents();

  const std::int64_t stepsBefore = window.StepsTaken();
  QElapsedTimer clock;
  clock.start();
  start.click();
  run.longestBusyMilliseconds = AwaitFinished(page, run.completed);
  QCoreApplication::processEvents();  // the chart is laid out and painted
  run.seconds = clock.nsecsElapsed() / 1e9;
  run.points = page.table() ? page.table()->rows.size() : 0;

  // Once more with a hundred times the journeys, so that it still runs when it is cancelled
  // half a second in.
  auto& perPoint = Find<QSpinBox>(window, "txtReisenJePunkt");
  perPoint.setValue(
      static_cast<int>(std::min<std::int64_t>(perPoint.maximum(), 100 * options.perPoint)));
  start.click();
  QEventLoop wait;
  QTimer::singleShot(500, &wait, &QEventLoop::quit);
  wait.exec();
  if (page.Running()) {
    clock.start();
    start.click();
    bool completed = true;
    AwaitFinished(page, completed);
    run.cancelMilliseconds = clock.nsecsElapsed() / 1e6;
  }
  run.mainWindowSteps = window.StepsTaken() - stepsBefore;
  return run;
}

}  // namespace quirlweg::bench
