#pragma once

#include <QJsonObject>
#include <QObject>
#include <QUrl>
#include <QWebSocket>
#include <cstdint>
#include <random>
#include <vector>

#include "lesson/experiment.h"

namespace quirlweg::bench {

// What sends a class's device its messages and hears its answers.
QJsonObject JsonOf(const QString& text);
QString TextOf(const QJsonObject& object);
// The setting as the server's messages carry it.
JourneySetting SettingOf(const QJsonObject& setting);
// The journeys the device's seed walks in the round's setting, as the page would walk them.
std::vector<SavedJourney> WalkedJourneys(const QJsonObject& welcome, std::int64_t journeys);
QJsonObject JourneysMessage(int round, std::int64_t from, const std::vector<SavedJourney>& all,
                            std::size_t count);

// A pupil's device as the page is meant to behave: joins with the class code, walks its
// journeys from the seed it is given and reports them twenty at a time, each batch after the
// last was acknowledged; drops its connection now and then and comes back with its token,
// going on from what the server says it holds.
class HonestPupil final : public QObject {
  Q_OBJECT

 public:
  HonestPupil(int number, std::int64_t journeys, double disconnectChance);

  void Connect(const QUrl& server, const QString& code);
  // Holds back further reports, as when a pupil stops walking; Idle once nothing is on its way.
  void Hold(bool hold);
  bool Idle() const { return !outstanding_; }
  bool Done() const { return verified_ >= journeys_ && journeys_ > 0 && !walked_.empty(); }

  int Device() const { return device_; }
  std::int64_t Reported() const { return reported_; }
  std::int64_t Verified() const { return verified_; }
  std::int64_t HomeEnds() const;
  int Disconnects() const { return disconnects_; }
  // Refusals an honest device should never get.
  int UnexpectedRefusals() const { return unexpected_; }

 private:
  void Open();
  void Received(const QString& text);
  void SendNext();
  void Reconnect(int afterMs);

  QWebSocket socket_;
  QUrl server_;
  QString code_;
  QString token_;
  std::int64_t journeys_;
  std::vector<SavedJourney> walked_;
  int device_ = 0;
  int round_ = 0;
  std::int64_t verified_ = 0;
  std::int64_t reported_ = 0;
  bool outstanding_ = false;
  bool hold_ = false;
  bool reconnecting_ = false;
  int disconnects_ = 0;
  int unexpected_ = 0;
  double disconnectChance_;
  std::mt19937 random_;
};

}  // namespace quirlweg::bench
