#pragma once

#include <QLockFile>
#include <QObject>
#include <QString>
#include <QTimer>
#include <cstdint>
#include <optional>

#include "lesson/experiment.h"

class QAction;
class QWidget;

namespace quirlweg {

class ExperimentFiles;
class Simulation;

// Keeps what a class walked. The series with its setting and seed is written to a file while
// it grows, a few seconds behind at most, and offered back at the next start however the
// program ended: "Ende", a crash or a power cut. The last series a clearing wiped (counters
// reset, a new lattice size, dimension, home choice or seed) comes back with Ctrl+Z, from the
// lattice view's menu as well; undoing again swaps back. A child of the window.
class SeriesKeeper : public QObject {
  Q_OBJECT

 public:
  // `path`: where the series is kept. A second program running meanwhile keeps none, so that
  // the two do not write over each other's series.
  SeriesKeeper(Simulation& window, ExperimentFiles& files, const QString& path);

  // The file in the user's data folder.
  static QString DefaultPath();

  // Offers the series kept last time back, when there is one; call once the window stands.
  void OfferKeptSeries(QWidget* parent);
  // Writes the series now if it changed since it was last written.
  void KeepNow();

  QAction* undo() const { return undo_; }

 private:
  void TakeClearedSeries();
  void Undo();

  Simulation& window_;
  ExperimentFiles& files_;
  QString path_;
  QLockFile lock_;
  bool keeping_ = false;
  QTimer timer_;
  QAction* undo_;
  std::optional<Experiment> cleared_;
  // What the file holds, so that an unchanged series is not written again.
  std::size_t keptJourneys_ = 0;
  std::uint64_t keptSeed_ = 0;
};

}  // namespace quirlweg
