#pragma once

#include <QObject>
#include <QString>
#include <QTimer>

class QLabel;

namespace quirlweg {

class Simulation;

// Which journeys the main window's boxes count once the statistics have started over, under the
// statistics frame ("Reisen 4005–5000"), so that nobody compares them with the evaluation's
// whole series unawares. Nothing is shown while the boxes count the whole series. A child of
// the window.
class CountedJourneys : public QObject {
  Q_OBJECT

 public:
  explicit CountedJourneys(Simulation& window);

  // What the label says now; empty while the boxes count the whole series.
  QString Text() const;

 private:
  void Follow();

  Simulation& window_;
  QLabel* label_;
  QTimer poll_;
};

}  // namespace quirlweg
