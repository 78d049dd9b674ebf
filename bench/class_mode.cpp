#include "class_mode.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QJsonArray>
#include <QTemporaryDir>
#include <QTimer>
#include <cstdio>
#include <map>
#include <memory>
#include <string>

#include "class_board.h"
#include "class_hostile.h"
#include "class_pupil.h"
#include "class_server_process.h"
#include "classroom/class_refusal.h"
#include "lesson/experiment_file.h"

#ifndef QUIRLWEG_PROGRAM
#define QUIRLWEG_PROGRAM "quirlweg"
#endif

namespace quirlweg::bench {
namespace {

// A pupil's chance of dropping the connection after each acknowledged report.
constexpr double kDisconnectChance = 0.03;
// The run gives up after this long.
constexpr int kDeadlineMs = 900'000;

struct ClassFigures {
  std::int64_t reported = 0;
  std::int64_t verified = 0;
  std::int64_t pooled = 0;
  std::int64_t lost = 0;
  std::int64_t doubled = 0;
  std::int64_t hostilePooled = 0;
  int disconnects = 0;
  int unexpected = 0;
  bool homeMatches = false;
};

// The pooled journeys of each device by the board's figures.
std::map<int, std::int64_t> PooledByDevice(const QJsonObject& status) {
  std::map<int, std::int64_t> pooled;
  for (const auto& d : status[QStringLiteral("devices")].toArray()) {
    const QJsonObject device = d.toObject();
    pooled[device[QStringLiteral("device")].toInt()] =
        static_cast<std::int64_t>(device[QStringLiteral("journeys")].toDouble());
  }
  return pooled;
}

// The class's experiment file, for the server to take its setting from.
QString WriteExperiment(const QTemporaryDir& folder, const BenchOptions& options) {
  Experiment e;
  e.setting.dimension = options.dimension;
  e.setting.radius = options.radius;
  e.setting.rightProbability = options.rightProbability / 100.0;
  e.setting.homeAbsorbs = options.home;
  e.setting.startX = options.startX;
  e.setting.startY = options.dimension == 1 ? 0 : options.startY;
  const QString path = folder.filePath(QStringLiteral("klasse.quirlweg"));
  QFile file(path);
  const std::string text = ExperimentJson(e);
  if (!file.open(QIODevice::WriteOnly) ||
      file.write(text.data(), static_cast<qint64>(text.size())) < 0) {
    return {};
  }
  return path;
}

class ClassRun {
 public:
  ClassRun(const BenchOptions& options, QString program, QStringList arguments)
      : options_(options),
        server_(std::make_unique<ClassServerProcess>(program, arguments)),
        program_(std::move(program)),
        arguments_(std::move(arguments)) {}

  bool Start() {
    if (!server_->Start()) return false;
    const QUrl url(QStringLiteral("ws://127.0.0.1:%1/class").arg(port_));
    board_.Connect(url, server_->BoardToken());
    for (int i = 0; i < options_.pupils; ++i) {
      pupils_.push_back(std::make_unique<HonestPupil>(i + 1, options_.journeys, kDisconnectChance));
      pupils_.back()->Connect(url, server_->Code());
    }
    if (options_.hostile) {
      for (int k = 0; k < kHostilities; ++k) {
        hostile_.push_back(std::make_unique<HostileDevice>(static_cast<Hostility>(k)));
        hostile_.back()->Connect(url, server_->Code());
      }
    }
    clock_.start();
    return true;
  }

  void SetPort(quint16 port) { port_ = port; }

  // Called every 50 ms: the restart halfway, the end once all is pooled.
  void Tick() {
    if (clock_.elapsed() > kDeadlineMs) {
      timedOut_ = true;
      QCoreApplication::quit();
      return;
    }
    if (options_.restart && !restarted_) {
      RestartHalfway();
      return;
    }
    if (!AllDone()) return;
    if (!finalAsked_) {
      finalAsked_ = true;
      board_.AskFresh();
      return;
    }
    if (board_.HasFresh()) {
      cpuSeconds_ += server_->CpuSeconds();
      seconds_ = static_cast<double>(clock_.elapsed()) / 1000;
      QCoreApplication::quit();
    }
  }

  int Finish() {
    const QJsonObject status = board_.Status();
    const ClassFigures f = Figures(status);
    std::string line =
        "mode=class pupils=" + std::to_string(options_.pupils) +
        " journeys_each=" + std::to_string(options_.journeys) +
        " reported=" + std::to_string(f.reported) + " verified=" + std::to_string(f.verified) +
        " pooled=" + std::to_string(f.pooled) + " lost=" + std::to_string(f.lost) +
        " doubled=" + std::to_string(f.doubled) + " disconnects=" + std::to_string(f.disconnects) +
        " home_matches=" + (f.homeMatches ? "yes" : "no");
    bool ok = !timedOut_ && f.lost == 0 && f.doubled == 0 && f.homeMatches && f.unexpected == 0;
    if (options_.hostile) {
      const QJsonObject refused = status[QStringLiteral("refused")].toObject();
      for (const std::string_view id : classroom::kRefusalIds) {
        const int count =
            refused[QString::fromUtf8(id.data(), static_cast<qsizetype>(id.size()))].toInt();
        if (count > 0) line += " rejected_" + std::string(id) + '=' + std::to_string(count);
      }
      line += " hostile_pooled=" + std::to_string(f.hostilePooled);
      ok = ok && f.hostilePooled == 0;
    }
    if (options_.restart) {
      line += " restart_before=" + std::to_string(restartBefore_) +
              " restart_after=" + std::to_string(restartAfter_) +
              " restart_equal=" + (restartEqual_ ? "yes" : "no");
      ok = ok && restartEqual_;
    }
    char tail[256];
    std::snprintf(tail, sizeof tail,
                  " unexpected_refusals=%d board_refresh_ms_median=%.2f board_refresh_ms_max=%.2f "
                  "board_figures_ms_max=%.2f seconds=%.2f server_cpu_s=%.2f server_cores=%.2f%s",
                  f.unexpected, board_.MedianRefreshMs(), board_.LongestRefreshMs(),
                  status[QStringLiteral("longestMs")].toDouble(), seconds_, cpuSeconds_,
                  seconds_ > 0 ? cpuSeconds_ / seconds_ : 0.0, timedOut_ ? " timeout=yes" : "");
    std::printf("%s%s\n", line.c_str(), tail);
    server_->Finish();
    return ok ? 0 : 1;
  }

 private:
  bool AllDone() const {
    for (const auto& p : pupils_) {
      if (!p->Done()) return false;
    }
    for (const auto& h : hostile_) {
      if (!h->Done()) return false;
    }
    return true;
  }

  std::int64_t VerifiedSoFar() const {
    std::int64_t verified = 0;
    for (const auto& p : pupils_) verified += p->Verified();
    return verified;
  }

  // Halfway, the pupils stop; once nothing is on its way the figures are taken, the server is
  // killed and started again on its record, and its figures must be the same.
  void RestartHalfway() {
    const std::int64_t all = options_.journeys * options_.pupils;
    if (restartStage_ == 0 && VerifiedSoFar() * 2 >= all) {
      for (const auto& p : pupils_) p->Hold(true);
      restartStage_ = 1;
    } else if (restartStage_ == 1) {
      for (const auto& p : pupils_) {
        if (!p->Idle()) return;
      }
      board_.AskFresh();
      restartStage_ = 2;
    } else if (restartStage_ == 2 && board_.HasFresh()) {
      before_ = PooledByDevice(board_.Status());
      restartBefore_ =
          static_cast<std::int64_t>(board_.Status()[QStringLiteral("pooled")].toDouble());
      cpuSeconds_ += server_->CpuSeconds();
      server_->Kill();
      server_ = std::make_unique<ClassServerProcess>(program_, arguments_);
      if (!server_->Start()) {
        std::fprintf(stderr, "walkbench: the class server did not start again: %s\n",
                     qPrintable(server_->Errors()));
        timedOut_ = true;
        QCoreApplication::quit();
        return;
      }
      board_.Connect(QUrl(QStringLiteral("ws://127.0.0.1:%1/class").arg(port_)),
                     server_->BoardToken());
      board_.AskFresh();
      restartStage_ = 3;
    } else if (restartStage_ == 3 && board_.HasFresh()) {
      restartAfter_ =
          static_cast<std::int64_t>(board_.Status()[QStringLiteral("pooled")].toDouble());
      restartEqual_ = PooledByDevice(board_.Status()) == before_ && restartAfter_ == restartBefore_;
      for (const auto& p : pupils_) p->Hold(false);
      restarted_ = true;
    }
  }

  ClassFigures Figures(const QJsonObject& status) const {
    ClassFigures f;
    const std::map<int, std::int64_t> pooled = PooledByDevice(status);
    f.pooled = static_cast<std::int64_t>(status[QStringLiteral("pooled")].toDouble());
    std::int64_t home = 0;
    for (const auto& p : pupils_) {
      f.reported += p->Reported();
      f.verified += p->Verified();
      f.disconnects += p->Disconnects();
      f.unexpected += p->UnexpectedRefusals();
      const auto it = pooled.find(p->Device());
      const std::int64_t in = it == pooled.end() ? 0 : it->second;
      f.lost += std::max<std::int64_t>(0, options_.journeys - in);
      f.doubled += std::max<std::int64_t>(0, in - options_.journeys);
      home += p->HomeEnds();
    }
    for (const auto& h : hostile_) {
      const auto it = pooled.find(h->Device());
      const std::int64_t in = h->Device() == 0 || it == pooled.end() ? 0 : it->second;
      f.hostilePooled += std::max<std::int64_t>(0, in - h->TrueJourneys()) + h->WrongAcks();
      home += std::min(in, h->TrueJourneys()) == h->TrueJourneys() ? h->TrueHomeEnds() : 0;
    }
    f.homeMatches = static_cast<std::int64_t>(status[QStringLiteral("home")].toDouble()) == home;
    return f;
  }

  const BenchOptions& options_;
  std::unique_ptr<ClassServerProcess> server_;
  QString program_;
  QStringList arguments_;
  quint16 port_ = 0;
  BoardClient board_;
  std::vector<std::unique_ptr<HonestPupil>> pupils_;
  std::vector<std::unique_ptr<HostileDevice>> hostile_;
  QElapsedTimer clock_;
  bool finalAsked_ = false;
  bool timedOut_ = false;
  bool restarted_ = false;
  int restartStage_ = 0;
  std::map<int, std::int64_t> before_;
  std::int64_t restartBefore_ = 0;
  std::int64_t restartAfter_ = 0;
  bool restartEqual_ = false;
  double cpuSeconds_ = 0;
  double seconds_ = 0;
};

}  // namespace

int RunClassMode(const BenchOptions& options) {
  const QTemporaryDir folder;
  const QString experiment = WriteExperiment(folder, options);
  if (!folder.isValid() || experiment.isEmpty()) {
    std::fprintf(stderr, "walkbench: no folder for the class's files\n");
    return 1;
  }
  const quint16 port = FreePort();
  const QString program = options.program.empty() ? QStringLiteral(QUIRLWEG_PROGRAM)
                                                  : QString::fromStdString(options.program);
  const QStringList arguments{QStringLiteral("--class"),
                              QStringLiteral("--port"),
                              QString::number(port),
                              QStringLiteral("--record"),
                              folder.filePath(QStringLiteral("klasse.jsonl")),
                              QStringLiteral("--experiment"),
                              experiment,
                              QStringLiteral("--lang"),
                              QStringLiteral("en")};
  ClassRun run(options, program, arguments);
  run.SetPort(port);
  if (!run.Start()) {
    std::fprintf(stderr, "walkbench: %s --class did not start\n", qPrintable(program));
    return 1;
  }
  QTimer ticks;
  QObject::connect(&ticks, &QTimer::timeout, [&run] { run.Tick(); });
  ticks.start(50);
  QCoreApplication::exec();
  return run.Finish();
}

}  // namespace quirlweg::bench
