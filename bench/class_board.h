#pragma once

#include <QElapsedTimer>
#include <QJsonObject>
#include <QObject>
#include <QTimer>
#include <QUrl>
#include <QWebSocket>
#include <vector>

namespace quirlweg::bench {

// The teacher's board as the bench sees it: says who it is with the token the server printed
// and asks for the figures every 250 ms, timing how long each answer takes.
class BoardClient final : public QObject {
  Q_OBJECT

 public:
  BoardClient();
  void Connect(const QUrl& server, const QString& token);
  // The figures of the answer to the request sent after this call.
  void AskFresh() {
    freshAsked_ = true;
    fresh_ = false;
  }
  bool HasFresh() const { return fresh_; }
  const QJsonObject& Status() const { return status_; }
  double LongestRefreshMs() const { return longestMs_; }
  double MedianRefreshMs() const;

 private:
  void Ask();

  QWebSocket socket_;
  QString token_;
  QTimer asking_;
  QElapsedTimer sentAt_;
  bool waiting_ = false;
  bool freshAsked_ = false;
  bool freshSent_ = false;
  bool fresh_ = false;
  QJsonObject status_;
  double longestMs_ = 0;
  std::vector<double> times_;
};

}  // namespace quirlweg::bench
