#include "app/headless.h"

#include <QCoreApplication>
#include <QRect>
#include <chrono>
#include <cstdio>

#include "evaluation/evaluation.h"
#include "evaluation/exact_statistics.h"
#include "evaluation/report.h"
#include "evaluation/series_export.h"
#include "window/experiment_setup.h"
#include "window/simulation.h"
#include "window/trace_style_choice.h"

namespace quirlweg {
namespace {

QString Translated(const char* text) {
  return QCoreApplication::translate("CommandLine", text);
}

bool Report(const std::optional<QString>& failure, const QString& path) {
  if (!failure) return true;
  std::fprintf(
      stderr, "%s\n",
      qPrintable(Translated(QT_TRANSLATE_NOOP("CommandLine",
                                              "quirlweg: „%1“ konnte nicht geschrieben werden: %2"))
                     .arg(path, *failure)));
  return false;
}

// The offscreen platform's note that windows have no size hints means nothing to a run that
// shows none; everything else Qt says still reaches stderr.
void QuietOffscreenNotes(QtMsgType type, const QMessageLogContext& context, const QString& text) {
  if (text.startsWith(QLatin1String("This plugin does not support"))) return;
  std::fprintf(stderr, "%s\n", qPrintable(qFormatLogMessage(type, context, text)));
}

}  // namespace

int RunHeadless(const HeadlessRun& run) {
  qInstallMessageHandler(QuietOffscreenNotes);
  Simulation window;
  const auto* evaluation = new Evaluation(window);  // children of the window, as in the program
  new TraceStyleChoice(window);
  window.show();
  // Laid out as on a large screen, so that the report's lattice picture is sharp on paper.
  window.LayOutFor(QRect(0, 0, 1600, 1200));
  QCoreApplication::processEvents();
  ApplyExperiment(window, run.experiment);
  WalkJourneys(window, run.journeys);
  evaluation->exact().AwaitValues();
  bool written = true;
  if (!run.csvPath.isEmpty()) {
    written &= Report(SaveSeries(run.csvPath, window.series(), evaluation->exact(), window.Seed()),
                      run.csvPath);
  }
  if (!run.reportPath.isEmpty()) {
    written &= Report(WriteReportPdf(run.reportPath, window, evaluation->exact()), run.reportPath);
  }
  return written ? 0 : 1;
}

}  // namespace quirlweg
