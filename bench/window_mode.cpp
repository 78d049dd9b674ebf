#include "window_mode.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QDialog>
#include <QEventLoop>
#include <QLineEdit>
#include <QRadioButton>
#include <QScrollBar>
#include <QSlider>
#include <QString>
#include <QTimer>
#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <memory>

#include "display/picture_area.h"
#include "engine/uniform_source.h"
#include "engine_mode.h"
#include "evaluation/evaluation.h"
#include "evaluation/evaluation_window.h"
#include "export/series_export.h"
#include "figures/exact_statistics.h"
#include "lesson/tempo_scale.h"
#include "window/simulation.h"
#include "window/trace_style_choice.h"

namespace quirlweg::bench {

namespace {

// Longer than the program waits before it places the windows again.
constexpr std::chrono::milliseconds kSecondPlacing(600);

template <class Control = QAbstractButton>
Control& Find(Simulation& window, const QString& name) {
  auto* control = window.findChild<Control*>(name);
  if (control == nullptr) {
    qFatal("walkbench: the window has no control %s", qPrintable(name));
  }
  return *control;
}

QString Member(const char* base, int index) {
  return QStringLiteral("%1(%2)").arg(QLatin1String(base)).arg(index);
}

// A click that reaches the handlers through the button's own signals, and lets the window
// catch up as it would between two clicks of a user.
void Click(QAbstractButton& button) {
  button.click();
  QCoreApplication::processEvents();
}

// What the window shows of the journeys since its counters were last reset.
void AddShownTotals(Simulation& window, JourneyTally& tally) {
  const auto text = [&](int index) {
    return Find<QLineEdit>(window, Member("Text1", index)).text().toStdString();
  };
  tally.AddShownTotals(text(0), text(2), window.walk().state());
}

// "20 Reisen" paced at the chosen tempo for the chosen time, a new run started whenever one
// ends, as a class would let it go on; then stopped. Steps are those the window took, the
// journey in progress at the end included. The first step comes at once and one more falls due
// every 1/N seconds, so the run is stopped half a step before its time is up: the steps due
// within the time, and no more, are taken.
}  // namespace

void ChooseSettings(Simulation& window, const BenchOptions& options) {
  Click(Find(window, Member("Option1", options.dimension - 1)));
  Find<QScrollBar>(window, QStringLiteral("hscRaster")).setValue(options.radius);
  Find<QScrollBar>(window, QStringLiteral("hscWaRi")).setValue(options.rightProbability);
  auto& home = Find<QCheckBox>(window, QStringLiteral("chkHeim"));
  if (home.isChecked() != options.home) Click(home);
  for (int i = 0; i < std::abs(options.startX); ++i) {
    Click(Find(window, Member("cmdHome", options.startX < 0 ? 0 : 1)));
  }
  for (int i = 0; i < std::abs(options.startY); ++i) {
    Click(Find(window, Member("cmdHome", options.startY < 0 ? 2 : 3)));
  }
  QCoreApplication::processEvents();
}

bool OnTempoScale(int stepsPerSecond) {
  return stepsPerSecond != kFastestTempo &&
         std::find(kTempoSteps.begin(), kTempoSteps.end(), stepsPerSecond) != kTempoSteps.end();
}

namespace {

void RunPaced(Simulation& window, const BenchOptions& options, TimedRun& run) {
  const auto position = std::find(kTempoSteps.begin(), kTempoSteps.end(), options.tempo);
  Find<QSlider>(window, QStringLiteral("sldTempo"))
      .setValue(static_cast<int>(position - kTempoSteps.begin()));
  Click(Find(window, Member("optModus", 2)));
  auto& start = Find(window, QStringLiteral("cmdStarten"));
  const std::int64_t stepsBefore = window.StepsTaken();
  QEventLoop loop;
  QTimer keepGoing;
  QObject::connect(&keepGoing, &QTimer::timeout, [&] {
    if (!window.IsPacedRunGoing()) start.click();
  });
  const double halfStep = 0.5 / options.tempo;
  run.seconds = halfStep + SecondsOf([&] {
                  start.click();
                  keepGoing.start(1);
                  QTimer::singleShot(std::chrono::duration_cast<std::chrono::milliseconds>(
                                         std::chrono::duration<double>(options.seconds - halfStep)),
                                     Qt::PreciseTimer, &loop, &QEventLoop::quit);
                  loop.exec();
                  keepGoing.stop();
                  if (window.IsPacedRunGoing()) start.click();
                });
  run.tally.steps = window.StepsTaken() - stepsBefore;
}

}  // namespace

namespace {

// The boxes a figure in class is read from, as the window shows them. The blank the window
// puts before a count is left out: it cannot be seen in the centred box, and in the result
// line it would cut the key from its value.
std::vector<ShownBox> ShownBoxes(Simulation& window) {
  const auto text = [&](const QString& name) {
    return Find<QLineEdit>(window, name).text().trimmed().toStdString();
  };
  return {{"home_box", text(Member("Text1", 0))},
          {"home_share_box", text(Member("Text1", 1))},
          {"boundary_box", text(Member("Text1", 2))},
          {"boundary_share_box", text(Member("Text1", 3))},
          {"mean_box", text(QStringLiteral("Text2"))}};
}

std::string SaveEvaluationData(const Simulation& window, const Evaluation& evaluation,
                               const std::string& path) {
  evaluation.exact().AwaitValues();
  const auto failure =
      SaveSeries(QString::fromStdString(path), window.series(), evaluation.exact(), window.Seed());
  return failure ? failure->toStdString() : std::string();
}

// Journeys of the same setting straight from the engine into the window's series, as if the
// window had run them; then the open evaluation is brought up to date and painted, timed.
void FeedEvaluation(Simulation& window, const Evaluation& evaluation, const BenchOptions& options,
                    WindowRun& run) {
  Click(Find(window, QStringLiteral("cmdAuswertung")));
  BenchOptions feed = options;
  feed.journeys = options.feedEvaluation;
  feed.seed = options.seed + 1;
  RunEngineMode(feed, [&window](const JourneyRecord& journey) { window.JourneyEnded(journey); });
  evaluation.exact().AwaitValues();
  auto* shown = window.findChild<EvaluationWindow*>();
  // The fastest of a few: the first also lays out the charts' new axes.
  double fastest = 1e9;
  for (int i = 0; i < 5; ++i) {
    fastest = std::min(fastest, SecondsOf([shown] {
                         shown->Refresh();
                         shown->repaint();
                       }));
  }
  run.series = window.series().size();
  run.refreshMilliseconds = 1000 * fastest;
}

// As "Bild speichern" saves it: the view as it shows on screen, walker and end marker included.
std::string SaveLatticePicture(const Simulation& window, const std::string& path) {
  const QImage picture = window.controls().latticeView->grab().toImage();
  const auto failure = WritePicture(QString::fromStdString(path), picture);
  return failure ? failure->toStdString() : std::string();
}

// Once the windows have been placed a second time, as the program does when the window manager
// has drawn their frames.
ScreenFit MeasureAfterPlacing(const Simulation& window, const QRect& screen) {
  QEventLoop loop;
  QTimer::singleShot(kSecondPlacing, &loop, &QEventLoop::quit);
  loop.exec();
  return MeasureScreenFit(screen, *window.controls().latticeView,
                          {&window, window.findChild<EvaluationWindow*>()});
}

void RunUnpaced(Simulation& window, const BenchOptions& options, TimedRun& run) {
  auto& start = Find(window, QStringLiteral("cmdStarten"));
  run.seconds = SecondsOf([&] {
    Click(Find(window, Member("optModus", 2)));
    for (std::int64_t i = 0; i < options.journeys / 20; ++i) Click(start);
    Click(Find(window, Member("optModus", 1)));
    for (std::int64_t i = 0; i < options.journeys % 20; ++i) Click(start);
  });
}

}  // namespace

WindowRun RunWindowMode(const BenchOptions& options) {
  WindowRun run;
  run.tally.radius = options.radius;
  Simulation window(std::make_unique<GeneratorSource>(Xoshiro128(options.seed)));
  auto* evaluation = new Evaluation(window);  // a child of the window, as in the program
  const auto* traces = new TraceStyleChoice(window);
  const QRect screen(0, 0, options.screenWidth, options.screenHeight);
  if (options.screenWidth > 0) evaluation->UseScreenArea(screen);
  window.show();
  QCoreApplication::processEvents();
  ChooseSettings(window, options);
  if (options.evaluation) Click(Find(window, QStringLiteral("cmdAuswertung")));
  if (options.heatTraces) traces->action()->trigger();

  // The restart notice holds the run in its own event loop, where this timer finds it; the
  // totals it restarts are taken before it is closed.
  QTimer closer;
  closer.setInterval(0);
  QObject::connect(&closer, &QTimer::timeout, [&] {
    auto* notice = qobject_cast<QDialog*>(QApplication::activeModalWidget());
    if (notice == nullptr) return;
    AddShownTotals(window, run.tally);
    notice->accept();
  });
  closer.start();

  const int framesBefore = window.FramesDrawn();
  if (options.tempo > 0) {
    RunPaced(window, options, run);
  } else {
    RunUnpaced(window, options, run);
  }
  run.frames = window.FramesDrawn() - framesBefore;
  // A paced run counts the steps it took, the journey in progress at the end included.
  const std::int64_t steps = run.tally.steps;
  AddShownTotals(window, run.tally);
  if (options.tempo > 0) run.tally.steps = steps;

  run.boxes = ShownBoxes(window);
  if (options.feedEvaluation > 0) FeedEvaluation(window, *evaluation, options, run);
  if (!options.csv.empty()) run.csvFailure = SaveEvaluationData(window, *evaluation, options.csv);
  if (!options.picture.empty()) run.pictureFailure = SaveLatticePicture(window, options.picture);
  if (options.screenWidth > 0) run.screenFit = MeasureAfterPlacing(window, screen);
  return run;
}

}  // namespace quirlweg::bench
