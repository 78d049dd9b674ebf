#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>

#include "series/journey_announcer.h"

namespace quirlweg {

class Simulation;

// Tells a screen reader how each journey ended ("Reise 12: am Rand, rechts, nach 37
// Schritten"), at a pace a listener can follow: journeys that end faster are told together
// ("Reisen 13–32: 5 zu Hause, 15 am Rand"). The sentence becomes the lattice view's
// description, announced as it changes. A child of the window.
class JourneyAnnouncements : public QObject {
  Q_OBJECT

 public:
  explicit JourneyAnnouncements(Simulation& window);

  // What was said last; empty before the first journey ended.
  QString LastSaid() const { return said_; }

 private:
  void Follow();
  static QString TextOf(const Announcement& announcement);

  Simulation& window_;
  JourneyAnnouncer announcer_;
  QElapsedTimer clock_;
  QTimer poll_;
  QString said_;
};

}  // namespace quirlweg
