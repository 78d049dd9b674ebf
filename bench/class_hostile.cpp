#include "class_hostile.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <algorithm>

#include "class_pupil.h"

namespace quirlweg::bench {
namespace {

// Tries of each kind.
constexpr int kAttempts = 50;

QString Command(const char* type) {
  return TextOf({{QStringLiteral("type"), QLatin1String(type)}});
}

// Texts no device sends: each is refused for its own reason.
QStringList GarbageTexts() {
  return {
      QStringLiteral("{\"type\":\"join\",\"code\":"),  // cut short
      QStringLiteral("[1,2,3]"),
      QStringLiteral("{\"type\":5}"),
      QStringLiteral("{\"type\":\"teleport\"}"),
      QStringLiteral("{\"type\":\"join\",\"code\":7}"),
      QStringLiteral("{\"type\":\"journeys\",\"round\":1,\"from\":-4,\"journeys\":[[1,0,0,0]]}"),
      QStringLiteral("{\"type\":\"journeys\",\"round\":1,\"from\":1,\"journeys\":[[1,0,0,0]]}"),
      QStringLiteral("{\"type\":\"journeys\",\"round\":1,\"from\":1,\"journeys\":[[1,99,0,0]]}"),
      QStringLiteral("{\"type\":\"rejoin\",\"code\":\"AAAAA\",\"token\":\"0000\"}"),
      QStringLiteral("null"),
  };
}

}  // namespace

HostileDevice::HostileDevice(Hostility kind) : kind_(kind) {
  connect(&socket_, &QWebSocket::connected, this, &HostileDevice::Open);
  connect(&socket_, &QWebSocket::textMessageReceived, this, &HostileDevice::Received);
  connect(&socket_, &QWebSocket::disconnected, this, [this] {
    // Closed for the 1 MB message: the 10 KB one follows on a new connection.
    if (kind_ == Hostility::Huge && attempts_ == 1) {
      socket_.open(server_);
      return;
    }
    Finish();
  });
  flood_.setInterval(10);
  connect(&flood_, &QTimer::timeout, this, &HostileDevice::Flood);
}

void HostileDevice::Connect(const QUrl& server, const QString& code) {
  server_ = server;
  code_ = code;
  socket_.open(server_);
}

void HostileDevice::Open() {
  const auto join = [this] {
    Send(TextOf(
        {{QStringLiteral("type"), QStringLiteral("join")}, {QStringLiteral("code"), code_}}));
  };
  switch (kind_) {
    case Hostility::WrongCode:
      for (int i = 0; i < kAttempts; ++i) {
        QString wrong = code_;
        wrong[i % wrong.size()] =
            wrong[i % wrong.size()] == QLatin1Char('A') ? QLatin1Char('C') : QLatin1Char('A');
        Send(TextOf(
            {{QStringLiteral("type"), QStringLiteral("join")}, {QStringLiteral("code"), wrong}}));
      }
      QTimer::singleShot(500, this, &HostileDevice::Finish);
      return;
    case Hostility::Huge:
      if (attempts_++ == 0) {
        Send(QString(1024 * 1024, QLatin1Char('x')));
      } else {
        Send(QStringLiteral("{\"type\":\"join\",\"code\":\"%1\",\"name\":\"%2\"}")
                 .arg(code_, QString(10 * 1024, QLatin1Char('a'))));
        QTimer::singleShot(500, this, &HostileDevice::Finish);
      }
      return;
    case Hostility::Garbage: {
      const QStringList texts = GarbageTexts();
      for (int i = 0; i < kAttempts; ++i) Send(texts[i % texts.size()]);
    }
      QTimer::singleShot(500, this, &HostileDevice::Finish);
      return;
    default:
      join();
  }
}

void HostileDevice::Received(const QString& text) {
  const QJsonObject m = JsonOf(text);
  const QString type = m[QStringLiteral("type")].toString();
  if (type == QLatin1String("welcome")) {
    device_ = m[QStringLiteral("device")].toInt();
    round_ = m[QStringLiteral("round")].toInt();
    walked_ = WalkedJourneys(m, 20);
    Welcomed();
    return;
  }
  if (type == QLatin1String("ack")) {
    const auto verified = static_cast<std::int64_t>(m[QStringLiteral("verified")].toDouble());
    if (verified > TrueJourneys()) ++wrongAcks_;
    verified_ = verified;
  }
  if (done_ || (type != QLatin1String("ack") && type != QLatin1String("refused"))) return;
  if (kind_ == Hostility::Forger && attempts_ < kAttempts) {
    // Journey 11 as the seed walks it, but a step shorter or longer, or ending elsewhere.
    std::vector<SavedJourney> forged(walked_.begin(), walked_.begin() + 11);
    SavedJourney& j = forged[10];
    if (attempts_ % 2 == 0) {
      j.length += attempts_ % 4 == 0 ? 1 : -1;
      j.length = std::max<std::int64_t>(1, j.length);
    } else {
      j.x = j.x == 0 ? 1 : 0;
    }
    ++attempts_;
    Send(TextOf(JourneysMessage(round_, 11, forged, 1)));
  } else if (kind_ == Hostility::Replayer && attempts_ < kAttempts) {
    ++attempts_;
    Send(TextOf(JourneysMessage(round_, 1 + attempts_ % 20, walked_, 20 - attempts_ % 20)));
  } else if (kind_ == Hostility::Forger || kind_ == Hostility::Replayer) {
    Finish();
  }
}

void HostileDevice::Welcomed() {
  switch (kind_) {
    case Hostility::Forger:
      Send(TextOf(JourneysMessage(round_, 1, walked_, 10)));
      return;
    case Hostility::Replayer:
      Send(TextOf(JourneysMessage(round_, 1, walked_, 20)));
      return;
    case Hostility::Commander:
      for (int i = 0; i < kAttempts / 5; ++i) {
        Send(TextOf(
            {{QStringLiteral("type"), QStringLiteral("pause")}, {QStringLiteral("paused"), true}}));
        Send(Command("end"));
        Send(Command("newRound"));
        Send(Command("status"));
        Send(TextOf(
            {{QStringLiteral("type"), QStringLiteral("remove")}, {QStringLiteral("device"), 1}}));
      }
      QTimer::singleShot(500, this, &HostileDevice::Finish);
      return;
    case Hostility::Flooder:
      flood_.start();
      return;
    case Hostility::LateRound:
      for (int i = 0; i < kAttempts; ++i)
        Send(TextOf(JourneysMessage(round_ + 1 + i, 1, walked_, 1)));
      QTimer::singleShot(500, this, &HostileDevice::Finish);
      return;
    default:
      return;
  }
}

// A hundred messages every 10 ms: 10,000 a second, for two seconds or until the server closes.
void HostileDevice::Flood() {
  if (++floodTicks_ > 200 || socket_.state() != QAbstractSocket::ConnectedState) {
    Finish();
    return;
  }
  // Of a round that never comes: what passes the bucket is refused as well.
  const QString text = TextOf(JourneysMessage(round_ + 1000, 1, walked_, 1));
  for (int i = 0; i < 100; ++i) Send(text);
}

void HostileDevice::Finish() {
  if (done_) return;
  done_ = true;
  flood_.stop();
  socket_.abort();
}

std::int64_t HostileDevice::TrueJourneys() const {
  switch (kind_) {
    case Hostility::Forger:
      return 10;
    case Hostility::Replayer:
      return 20;
    default:
      return 0;
  }
}

std::int64_t HostileDevice::TrueHomeEnds() const {
  const auto n = static_cast<std::size_t>(TrueJourneys());
  return std::count_if(walked_.begin(),
                       walked_.begin() + static_cast<std::ptrdiff_t>(std::min(n, walked_.size())),
                       [](const SavedJourney& j) { return j.x == 0 && j.y == 0 && j.z == 0; });
}

}  // namespace quirlweg::bench
