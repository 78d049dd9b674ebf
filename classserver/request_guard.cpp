#include "classserver/request_guard.h"

#include <QTcpSocket>

namespace quirlweg {
namespace {

// Kept on the socket itself, which the HTTP server may hand on or delete at any time.
constexpr char kUnread[] = "quirlwegBytesOfRequest";
constexpr char kUpgraded[] = "quirlwegUpgraded";

}  // namespace

void GuardedTcpServer::RequestRead(QTcpSocket* socket) {
  socket->setProperty(kUnread, qint64{0});
}

void GuardedTcpServer::Upgraded(QTcpSocket* socket) {
  socket->setProperty(kUpgraded, true);
}

void GuardedTcpServer::incomingConnection(qintptr descriptor) {
  auto* socket = new QTcpSocket(this);
  if (!socket->setSocketDescriptor(descriptor)) {
    delete socket;
    return;
  }
  // Connected before the HTTP server's own reading, so that it sees every byte as it comes.
  connect(socket, &QTcpSocket::readyRead, socket, [socket] {
    if (socket->property(kUpgraded).toBool()) return;
    const qint64 bytes = socket->property(kUnread).toLongLong() + socket->bytesAvailable();
    socket->setProperty(kUnread, bytes);
    if (bytes > kLargestRequest) socket->abort();
  });
  addPendingConnection(socket);
  emit newConnection();
}

}  // namespace quirlweg
