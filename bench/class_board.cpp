#include "class_board.h"

#include <algorithm>

#include "class_pupil.h"

namespace quirlweg::bench {

BoardClient::BoardClient() {
  asking_.setInterval(250);
  connect(&asking_, &QTimer::timeout, this, &BoardClient::Ask);
  connect(&socket_, &QWebSocket::connected, this, [this] {
    socket_.sendTextMessage(TextOf(
        {{QStringLiteral("type"), QStringLiteral("board")}, {QStringLiteral("token"), token_}}));
    waiting_ = false;
    asking_.start();
  });
  connect(&socket_, &QWebSocket::textMessageReceived, this, [this](const QString& text) {
    const QJsonObject m = JsonOf(text);
    if (m[QStringLiteral("type")].toString() != QLatin1String("status")) return;
    status_ = m;
    // Figures the server pushes as they change are not timed.
    if (!waiting_ || !m[QStringLiteral("asked")].toBool()) return;
    waiting_ = false;
    const double ms = static_cast<double>(sentAt_.nsecsElapsed()) / 1e6;
    longestMs_ = std::max(longestMs_, ms);
    times_.push_back(ms);
    if (freshSent_) {
      fresh_ = true;
      freshSent_ = false;
    }
  });
}

void BoardClient::Connect(const QUrl& server, const QString& token) {
  token_ = token;
  asking_.stop();
  waiting_ = false;
  socket_.abort();
  socket_.open(server);
}

void BoardClient::Ask() {
  if (waiting_ || socket_.state() != QAbstractSocket::ConnectedState) return;
  waiting_ = true;
  if (freshAsked_) {
    freshAsked_ = false;
    freshSent_ = true;
  }
  sentAt_.start();
  socket_.sendTextMessage(TextOf({{QStringLiteral("type"), QStringLiteral("status")}}));
}

double BoardClient::MedianRefreshMs() const {
  if (times_.empty()) return 0;
  std::vector<double> sorted = times_;
  std::sort(sorted.begin(), sorted.end());
  return sorted[sorted.size() / 2];
}

}  // namespace quirlweg::bench
