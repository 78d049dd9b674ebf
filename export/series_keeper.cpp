#include "export/series_keeper.h"

#include <QAction>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QKeySequence>
#include <QMessageBox>
#include <QPushButton>
#include <QStandardPaths>
#include <utility>

#include "display/picture_area.h"
#include "experiment/experiment_file.h"
#include "experiment/file_access.h"
#include "export/experiment_files.h"
#include "window/experiment_setup.h"
#include "window/simulation.h"

namespace quirlweg {
namespace {

// How far the file may fall behind the walk.
constexpr int kKeepIntervalMs = 2000;

}  // namespace

SeriesKeeper::SeriesKeeper(Simulation& window, ExperimentFiles& files, const QString& path)
    : QObject(&window),
      window_(window),
      files_(files),
      path_(path),
      lock_(path + QStringLiteral(".lock")),
      undo_(new QAction(tr("Löschen rückgängig"), this)) {
  QDir().mkpath(QFileInfo(path).absolutePath());
  // A lock left by a crashed program is taken over.
  lock_.setStaleLockTime(0);
  keeping_ = lock_.tryLock(0);

  undo_->setObjectName(QStringLiteral("actRueckgaengig"));
  undo_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Z));
  undo_->setShortcutContext(Qt::WindowShortcut);
  undo_->setEnabled(false);
  window.controls().latticeView->addAction(undo_);
  connect(undo_, &QAction::triggered, this, &SeriesKeeper::Undo);
  connect(&window, &Simulation::SeriesClearing, this, &SeriesKeeper::TakeClearedSeries);

  if (!keeping_) return;
  timer_.setInterval(kKeepIntervalMs);
  connect(&timer_, &QTimer::timeout, this, &SeriesKeeper::KeepNow);
  timer_.start();
  connect(qApp, &QCoreApplication::aboutToQuit, this, &SeriesKeeper::KeepNow);
}

QString SeriesKeeper::DefaultPath() {
  return QDir(QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation))
      .filePath(QStringLiteral("quirlweg/last-series.quirlweg"));
}

void SeriesKeeper::KeepNow() {
  if (!keeping_) return;
  const JourneySeries& series = window_.series();
  if (series.size() == keptJourneys_ && window_.Seed() == keptSeed_) return;
  if (series.empty()) {
    // Cleared on purpose: nothing to offer back.
    QFile::remove(path_);
  } else if (const std::optional<Experiment> kept = SeriesExperiment(window_)) {
    if (WriteWholeFile(path_, ExperimentFileBytes(*kept))) return;  // tried again next time
  }
  // A series that mixes settings or grew too long cannot be walked again: the file keeps the
  // last one that can.
  keptJourneys_ = series.size();
  keptSeed_ = window_.Seed();
}

void SeriesKeeper::OfferKeptSeries(QWidget* parent) {
  if (!keeping_ || !QFileInfo::exists(path_)) return;
  const ExperimentReading reading = ReadExperimentFile(path_);
  if (!reading.experiment || reading.experiment->series.empty()) {
    QFile::remove(path_);
    return;
  }
  const Experiment& kept = *reading.experiment;
  QMessageBox question(QMessageBox::Question, QStringLiteral("Quirlweg"),
                       tr("Die Serie vom letzten Mal mit %1 Reisen ist noch da. Soll sie "
                          "wiederhergestellt werden?")
                           .arg(kept.series.size()),
                       QMessageBox::NoButton, parent);
  question.setObjectName(QStringLiteral("msgLetzteSerie"));
  QPushButton* restore = question.addButton(tr("Wiederherstellen"), QMessageBox::AcceptRole);
  question.addButton(tr("Verwerfen"), QMessageBox::RejectRole);
  question.setDefaultButton(restore);
  question.exec();
  if (question.clickedButton() != restore) {
    QFile::remove(path_);
    return;
  }
  files_.Restore(kept, tr("der Serie vom letzten Mal"), parent);
  KeepNow();
}

// The series is still whole here; the seed it was walked from too.
void SeriesKeeper::TakeClearedSeries() {
  cleared_ = SeriesExperiment(window_);
  undo_->setEnabled(cleared_.has_value());
  if (cleared_) undo_->setText(tr("Löschen rückgängig (%1 Reisen)").arg(cleared_->series.size()));
}

void SeriesKeeper::Undo() {
  if (!cleared_) return;
  // Restoring clears the series shown now, which then becomes the one to undo to.
  const Experiment restored = *std::exchange(cleared_, std::nullopt);
  undo_->setEnabled(false);
  files_.Restore(restored, tr("der gelöschten Serie"), nullptr);
  KeepNow();
}

}  // namespace quirlweg
