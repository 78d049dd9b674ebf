#include "app/headless.h"

#include <unistd.h>

#include <QCoreApplication>
#include <chrono>
#include <cstdio>

#include "app/report_walk.h"
#include "experiment/file_access.h"
#include "export/report.h"
#include "export/series_export.h"
#include "figures/exact_statistics.h"
#include "sweep/silent_walk.h"

namespace quirlweg {
namespace {

QString CommandLineText(const char* text) {
  return QCoreApplication::translate("CommandLine", text);
}

bool Report(const std::optional<QString>& failure, const QString& path) {
  if (!failure) return true;
  const QString message =
      CommandLineText(
          QT_TRANSLATE_NOOP("CommandLine", "quirlweg: „%1“ konnte nicht geschrieben werden: %2"))
          .arg(path, *failure);
  std::fprintf(stderr, "%s\n", qPrintable(PrintablePath(message)));
  return false;
}

// The offscreen platform's note that windows have no size hints means nothing to a run that
// shows none; everything else Qt says still reaches stderr.
void QuietOffscreenNotes(QtMsgType type, const QMessageLogContext& context, const QString& text) {
  if (text.startsWith(QLatin1String("This plugin does not support"))) return;
  std::fprintf(stderr, "%s\n", qPrintable(qFormatLogMessage(type, context, text)));
}

// How far a long run is, on one line of the terminal that is rewritten as it goes; nothing
// when stderr is no terminal or the run is over within a few seconds.
class TerminalProgress {
 public:
  explicit TerminalProgress(std::int64_t journeys)
      : journeys_(journeys), shown_(isatty(STDERR_FILENO) != 0) {}
  ~TerminalProgress() {
    if (printed_) std::fputc('\n', stderr);
  }
  TerminalProgress(const TerminalProgress&) = delete;
  TerminalProgress& operator=(const TerminalProgress&) = delete;

  void Walked(std::int64_t walked) {
    if (!shown_ || walked < next_) return;
    next_ = walked + 1024;
    const auto now = Clock::now();
    if (now - start_ < std::chrono::seconds(3) || now - last_ < std::chrono::milliseconds(500)) {
      return;
    }
    last_ = now;
    printed_ = true;
    const QString line =
        CommandLineText(
            QT_TRANSLATE_NOOP("CommandLine", "quirlweg: %1 von %2 Reisen gegangen (%3 %)"))
            .arg(walked)
            .arg(journeys_)
            .arg(100 * walked / journeys_);
    std::fprintf(stderr, "\r%s", qPrintable(line));
    std::fflush(stderr);
  }

 private:
  using Clock = std::chrono::steady_clock;
  std::int64_t journeys_;
  bool shown_;
  bool printed_ = false;
  std::int64_t next_ = 0;
  Clock::time_point start_ = Clock::now();
  Clock::time_point last_{};
};

// Without a report nothing needs the window: the journeys are walked by the engine alone and
// written as they end, so that memory stays flat however many there are.
int StreamJourneys(const HeadlessRun& run) {
  const Experiment& e = run.experiment;
  const theory::Setting& setting = e.setting;
  TerminalProgress progress(run.journeys);
  std::int64_t walked = 0;
  if (run.csvPath.isEmpty()) {
    WalkSilently(setting, run.journeys, e.seed, [&](const JourneyRecord&) {
      progress.Walked(++walked);
      return true;
    });
    return 0;
  }
  ExactStatistics exact;
  exact.Request(setting);
  exact.AwaitValues();
  SeriesCsvFile csv(run.csvPath, SeriesHeaderNow(exact, false, e.seed));
  std::optional<QString> failure = csv.Open();
  if (!failure) {
    WalkSilently(setting, run.journeys, e.seed, [&](const JourneyRecord& journey) {
      failure = csv.Add(journey);
      progress.Walked(++walked);
      return !failure;
    });
  }
  if (!failure) failure = csv.Commit();
  return Report(failure, run.csvPath) ? 0 : 1;
}

// The report shows the lattice picture, so its journeys are drawn into the window's controls.
int WalkForTheReport(const HeadlessRun& run) {
  ExactStatistics exact;
  exact.Request(run.experiment.setting);
  ReportWalk walk(run.experiment);
  TerminalProgress progress(run.journeys);
  walk.Walk(run.journeys, [&progress](std::int64_t walked) { progress.Walked(walked); });
  exact.AwaitValues();
  bool written = true;
  if (!run.csvPath.isEmpty()) {
    written &=
        Report(SaveSeries(run.csvPath, walk.series(), exact, run.experiment.seed), run.csvPath);
  }
  // A lesson that asks for a guess first prints its worksheet and table without the answers;
  // the data file keeps them, as the walk without a report writes it.
  exact.SetPredictFirst(run.experiment.predictFirst);
  exact.SetGuess(run.experiment.guess);
  ReportContents contents = walk.Contents();
  contents.worksheet = WorksheetOf(run.experiment.steps, run.english);
  written &= Report(WriteReportPdf(run.reportPath, contents, exact), run.reportPath);
  return written ? 0 : 1;
}

}  // namespace

int RunHeadless(const HeadlessRun& run) {
  qInstallMessageHandler(QuietOffscreenNotes);
  return run.reportPath.isEmpty() ? StreamJourneys(run) : WalkForTheReport(run);
}

}  // namespace quirlweg
