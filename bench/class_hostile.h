#pragma once

#include <QObject>
#include <QTimer>
#include <QUrl>
#include <QWebSocket>
#include <cstdint>
#include <vector>

#include "lesson/experiment.h"

namespace quirlweg::bench {

// Devices that try what a class's server must withstand.
enum class Hostility {
  Forger,     // reports ten true journeys, then changed ones
  Replayer,   // reports twenty true journeys, then the same again and again
  WrongCode,  // joins with codes that are not the class's
  Commander,  // a device sending the board's commands
  Huge,       // a message of 1 MB, then one of 10 KB
  Garbage,    // malformed JSON, wrong fields, numbers out of range, no join
  Flooder,    // 10,000 messages a second for two seconds
  LateRound,  // journeys of a round that never was
};
inline constexpr int kHostilities = 8;

class HostileDevice final : public QObject {
  Q_OBJECT

 public:
  explicit HostileDevice(Hostility kind);

  void Connect(const QUrl& server, const QString& code);
  bool Done() const { return done_; }
  Hostility Kind() const { return kind_; }
  int Device() const { return device_; }
  // Its true journeys the server may pool, and their home ends.
  std::int64_t TrueJourneys() const;
  std::int64_t TrueHomeEnds() const;
  // Acknowledgements it got beyond its true journeys: a forged or replayed one pooled.
  int WrongAcks() const { return wrongAcks_; }

 private:
  void Open();
  void Received(const QString& text);
  void Send(const QString& text) {
    if (socket_.state() == QAbstractSocket::ConnectedState) socket_.sendTextMessage(text);
  }
  void Welcomed();
  void Flood();
  void Finish();

  Hostility kind_;
  QWebSocket socket_;
  QUrl server_;
  QString code_;
  QTimer flood_;
  int device_ = 0;
  int round_ = 0;
  std::vector<SavedJourney> walked_;
  std::int64_t verified_ = 0;
  int attempts_ = 0;
  int wrongAcks_ = 0;
  int floodTicks_ = 0;
  bool done_ = false;
};

}  // namespace quirlweg::bench
