#include "class_pupil.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QTimer>
#include <algorithm>

#include "sweep/silent_walk.h"

namespace quirlweg::bench {

// Journeys one report carries, as "20 Reisen" walks them.
constexpr std::size_t kBatch = 20;

QJsonObject JsonOf(const QString& text) {
  return QJsonDocument::fromJson(text.toUtf8()).object();
}

QString TextOf(const QJsonObject& object) {
  return QString::fromUtf8(QJsonDocument(object).toJson(QJsonDocument::Compact));
}

JourneySetting SettingOf(const QJsonObject& s) {
  JourneySetting setting;
  setting.dimension = s[QStringLiteral("dimension")].toInt();
  setting.radius = s[QStringLiteral("radius")].toInt();
  setting.rightProbability = s[QStringLiteral("rightPercent")].toInt() / 100.0;
  setting.homeAbsorbs = s[QStringLiteral("homeAbsorbs")].toBool();
  setting.startX = s[QStringLiteral("startX")].toInt();
  setting.startY = s[QStringLiteral("startY")].toInt();
  return setting;
}

std::vector<SavedJourney> WalkedJourneys(const QJsonObject& welcome, std::int64_t journeys) {
  JourneyWalker walker(SettingOf(welcome[QStringLiteral("setting")].toObject()),
                       static_cast<std::uint64_t>(welcome[QStringLiteral("seed")].toDouble()));
  std::vector<SavedJourney> walked;
  for (std::int64_t i = 0; i < journeys; ++i) walked.push_back(SavedJourneyOf(walker.Next()));
  return walked;
}

QJsonObject JourneysMessage(int round, std::int64_t from, const std::vector<SavedJourney>& all,
                            std::size_t count) {
  QJsonArray list;
  for (std::size_t i = 0; i < count; ++i) {
    const SavedJourney& j = all[static_cast<std::size_t>(from - 1) + i];
    list.append(QJsonArray{static_cast<double>(j.length), j.x, j.y, j.z});
  }
  return {{QStringLiteral("type"), QStringLiteral("journeys")},
          {QStringLiteral("round"), round},
          {QStringLiteral("from"), static_cast<double>(from)},
          {QStringLiteral("journeys"), list}};
}

HonestPupil::HonestPupil(int number, std::int64_t journeys, double disconnectChance)
    : journeys_(journeys),
      disconnectChance_(disconnectChance),
      random_(static_cast<std::uint32_t>(number)) {
  connect(&socket_, &QWebSocket::connected, this, &HonestPupil::Open);
  connect(&socket_, &QWebSocket::textMessageReceived, this, &HonestPupil::Received);
  connect(&socket_, &QWebSocket::disconnected, this, [this] {
    outstanding_ = false;
    if (!Done()) Reconnect(100);
  });
}

void HonestPupil::Connect(const QUrl& server, const QString& code) {
  server_ = server;
  code_ = code;
  socket_.open(server_);
}

void HonestPupil::Reconnect(int afterMs) {
  if (reconnecting_) return;
  reconnecting_ = true;
  QTimer::singleShot(afterMs, this, [this] {
    reconnecting_ = false;
    if (socket_.state() == QAbstractSocket::UnconnectedState) socket_.open(server_);
  });
}

void HonestPupil::Open() {
  QJsonObject join{{QStringLiteral("code"), code_}};
  if (token_.isEmpty()) {
    join[QStringLiteral("type")] = QStringLiteral("join");
  } else {
    join[QStringLiteral("type")] = QStringLiteral("rejoin");
    join[QStringLiteral("token")] = token_;
  }
  socket_.sendTextMessage(TextOf(join));
}

void HonestPupil::Hold(bool hold) {
  hold_ = hold;
  if (!hold_) SendNext();
}

std::int64_t HonestPupil::HomeEnds() const {
  return std::count_if(walked_.begin(), walked_.end(),
                       [](const SavedJourney& j) { return j.x == 0 && j.y == 0 && j.z == 0; });
}

void HonestPupil::Received(const QString& text) {
  const QJsonObject m = JsonOf(text);
  const QString type = m[QStringLiteral("type")].toString();
  const auto verified = static_cast<std::int64_t>(m[QStringLiteral("verified")].toDouble());
  if (type == QLatin1String("welcome")) {
    token_ = m[QStringLiteral("token")].toString();
    device_ = m[QStringLiteral("device")].toInt();
    round_ = m[QStringLiteral("round")].toInt();
    if (walked_.empty()) walked_ = WalkedJourneys(m, journeys_);
    verified_ = verified;
    outstanding_ = false;
    SendNext();
  } else if (type == QLatin1String("ack")) {
    verified_ = verified;
    outstanding_ = false;
    if (!Done() && std::uniform_real_distribution<>(0, 1)(random_) < disconnectChance_) {
      ++disconnects_;
      socket_.abort();
      Reconnect(50);
      return;
    }
    SendNext();
  } else if (type == QLatin1String("refused")) {
    outstanding_ = false;
    const QString reason = m[QStringLiteral("reason")].toString();
    if (m.contains(QStringLiteral("verified"))) verified_ = verified;
    if (reason == QLatin1String("tooFast")) {
      QTimer::singleShot(200, this, &HonestPupil::SendNext);
      return;
    }
    // A report sent again after a disconnect may overlap what the server already held.
    if (reason != QLatin1String("replayed")) ++unexpected_;
    SendNext();
  }
}

void HonestPupil::SendNext() {
  if (hold_ || outstanding_ || Done() || walked_.empty()) return;
  if (socket_.state() != QAbstractSocket::ConnectedState) return;
  const std::int64_t from = verified_ + 1;
  const auto count = std::min<std::size_t>(kBatch, static_cast<std::size_t>(journeys_ - verified_));
  socket_.sendTextMessage(TextOf(JourneysMessage(round_, from, walked_, count)));
  reported_ += static_cast<std::int64_t>(count);
  outstanding_ = true;
  // Now and then the connection drops with the report on its way: the server may or may not
  // have it, and says which when the device is back.
  if (std::uniform_real_distribution<>(0, 1)(random_) < disconnectChance_ / 2) {
    ++disconnects_;
    socket_.abort();
    Reconnect(50);
  }
}

}  // namespace quirlweg::bench
