#pragma once

#include <QTcpServer>

class QTcpSocket;

namespace quirlweg {

// Bytes a connection may send for one request: the page's files are asked for with GETs of a
// few hundred bytes, while Qt's HTTP server would gather a request's body of any size in memory.
inline constexpr qint64 kLargestRequest = 16 * 1024;

// A TCP server whose connections are cut off when they send more than kLargestRequest bytes
// before the HTTP server has read a request whole: a huge body, or headers that never end,
// cannot fill the memory. A connection taken over by the class's WebSocket is not counted
// any more; its messages have their own limit.
class GuardedTcpServer final : public QTcpServer {
 public:
  using QTcpServer::QTcpServer;

  // The HTTP server read a request of `socket` whole: what came before counts no more.
  static void RequestRead(QTcpSocket* socket);
  // The connection is the class's WebSocket from now on.
  static void Upgraded(QTcpSocket* socket);

 protected:
  void incomingConnection(qintptr descriptor) override;
};

}  // namespace quirlweg
