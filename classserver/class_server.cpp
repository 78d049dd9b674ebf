#include "classserver/class_server.h"

#include <QDir>
#include <QFileInfo>
#include <QNetworkInterface>
#include <QStandardPaths>
#include <QTcpServer>
#include <QWebSocket>
#include <stdexcept>

#include "classroom/class_record.h"
#include "classroom/class_status.h"
#include "classserver/qr_code.h"
#include "classserver/request_guard.h"
#include "classserver/site_files.h"
#include "theory/journey_statistics.h"

namespace quirlweg {
namespace {

// Larger messages are not even taken in: the socket is closed unread. Between this and the
// class's own limit they are read and refused with a reason.
constexpr quint64 kLargestUnreadMessage = 64 * 1024;

// Connections open at once at most: every device of a full class twice, while an old
// connection of a device that came back is not yet seen to be gone. More are closed at once,
// so that no one can use up the server's memory with them.
constexpr std::size_t kMostConnections = 2 * classroom::kMostDevices;

// The board's figures go out at most this often.
constexpr int kStatusIntervalMs = 200;

// The address pupils' devices reach in the school's network: the first one not on this
// machine alone, else the machine's own.
QString HostAddress() {
  for (const QHostAddress& address : QNetworkInterface::allAddresses()) {
    if (address.protocol() == QAbstractSocket::IPv4Protocol && !address.isLoopback()) {
      return address.toString();
    }
  }
  return QStringLiteral("127.0.0.1");
}

}  // namespace

#ifndef QUIRLWEG_SITE_FOLDER
#define QUIRLWEG_SITE_FOLDER "/usr/share/quirlweg/site"
#endif

// Searched among the system's data folders as the lessons are: the package installs under
// /usr, a build installed by hand under the prefix it was built for.
QString DefaultSiteFolder() {
  const QString found =
      QStandardPaths::locate(QStandardPaths::GenericDataLocation, QStringLiteral("quirlweg/site"),
                             QStandardPaths::LocateDirectory);
  return found.isEmpty() ? QStringLiteral(QUIRLWEG_SITE_FOLDER) : found;
}

QString DefaultRecordPath() {
  return QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation) +
         QStringLiteral("/klassenversuch.jsonl");
}

ClassServer::ClassServer(QObject* parent) : QObject(parent) {
  clock_.start();
  statusTimer_.setInterval(kStatusIntervalMs);
  connect(&statusTimer_, &QTimer::timeout, this, [this] {
    if (!changed_) return;
    changed_ = false;
    SendStatusToBoards();
    emit Changed();
  });
}

ClassServer::~ClassServer() = default;

std::optional<ClassStartProblem> ClassServer::Start(const ClassServerOptions& options) {
  // Two servers appending to one record would interleave their lines and spoil it.
  QDir().mkpath(QFileInfo(options.recordPath).absolutePath());
  recordLock_ = std::make_unique<QLockFile>(options.recordPath + QStringLiteral(".lock"));
  if (!recordLock_->tryLock(0)) return ClassStartProblem::RecordInUse;
  QByteArray kept;
  if (QFileInfo::exists(options.recordPath)) {
    QFile file(options.recordPath);
    if (!file.open(QIODevice::ReadOnly)) return ClassStartProblem::RecordUnreadable;
    kept = file.readAll();
  }
  std::optional<classroom::Classroom> classroom;
  if (!kept.isEmpty()) {
    classroom::RestoredClass restored = classroom::Restore(kept.toStdString());
    // A record of something else is not overwritten.
    if (!restored.classroom) return ClassStartProblem::RecordUnreadable;
    classroom = std::move(restored.classroom);
    resumption_ =
        ClassResumption{static_cast<int>(classroom->Devices().size()),
                        static_cast<std::int64_t>(classroom->Pool().size()), restored.skipped};
  } else {
    classroom.emplace(classroom::MakeClassCode(secrets_), options.setting);
  }
  record_.setFileName(options.recordPath);
  if (!record_.open(QIODevice::WriteOnly | QIODevice::Append)) {
    return ClassStartProblem::RecordUnwritable;
  }
  // A line cut short when the server was killed is closed, so that the next one stands alone.
  if (!kept.isEmpty() && !kept.endsWith('\n')) AppendToRecord({"\n"});
  if (kept.isEmpty()) AppendToRecord({classroom::record::Opening(*classroom)});
  protocol_ = std::make_unique<classroom::ClassProtocol>(std::move(*classroom),
                                                         classroom::MakeToken(secrets_));

  site_ = new SiteFiles(options.siteFolder, this);
  auto* tcp = new GuardedTcpServer(site_);
  const bool listening = options.port != 0 ? tcp->listen(QHostAddress::Any, options.port)
                                           : tcp->listen(QHostAddress::Any, kClassPort) ||
                                                 tcp->listen(QHostAddress::Any, 0);
  if (!listening) return ClassStartProblem::PortTaken;
  site_->bind(tcp);
  port_ = tcp->serverPort();
  std::vector<std::string> qr;
  for (const std::vector<bool>& row : QrModules(DeviceAddress())) {
    std::string text;
    for (const bool dark : row) text += dark ? '1' : '0';
    qr.push_back(std::move(text));
  }
  protocol_->SetJoining(DeviceAddress().toStdString(), std::move(qr));
  connect(site_, &SiteFiles::newWebSocketConnection, this, &ClassServer::AcceptConnection);
  statusTimer_.start();
  ComputeExact();
  return std::nullopt;
}

bool ClassServer::ServesSite() const {
  return site_ != nullptr && !site_->FileFor(QStringLiteral("/")).isEmpty();
}

void ClassServer::Command(const classroom::Message& command) {
  Carry(protocol_->BoardCommand(command));
}

QString ClassServer::Code() const {
  return QString::fromStdString(protocol_->classroom().Code());
}

QString ClassServer::DeviceAddress() const {
  return QStringLiteral("http://%1:%2/?class=%3").arg(HostAddress()).arg(port_).arg(Code());
}

QString ClassServer::BoardAddress() const {
  return QStringLiteral("http://%1:%2/#board=%3").arg(HostAddress()).arg(port_).arg(BoardToken());
}

QString ClassServer::BoardToken() const {
  return QString::fromStdString(protocol_->BoardToken());
}

void ClassServer::AcceptConnection() {
  while (site_->hasPendingWebSocketConnections()) {
    QWebSocket* socket = site_->nextPendingWebSocketConnection().release();
    socket->setParent(this);
    if (sockets_.size() >= kMostConnections) {
      socket->close(QWebSocketProtocol::CloseCodePolicyViolated);
      socket->deleteLater();
      continue;
    }
    socket->setMaxAllowedIncomingMessageSize(kLargestUnreadMessage);
    socket->setMaxAllowedIncomingFrameSize(kLargestUnreadMessage);
    const std::uint64_t id = nextConnection_++;
    sockets_[id] = socket;
    // The teacher's own machine (walkbench's simulated class too) joins as many as it likes.
    const QHostAddress peer = socket->peerAddress();
    protocol_->Open(id, peer.isLoopback() ? std::string() : peer.toString().toStdString());
    connect(socket, &QWebSocket::textMessageReceived, this,
            [this, id](const QString& text) { Received(id, text.toUtf8()); });
    connect(socket, &QWebSocket::binaryMessageReceived, this,
            [this, id](const QByteArray& bytes) { Received(id, bytes); });
    connect(socket, &QWebSocket::disconnected, this, [this, id] { Disconnected(id); });
  }
}

void ClassServer::Received(std::uint64_t connection, const QByteArray& text) {
  Carry(protocol_->Receive(connection, std::string_view(text.constData(), text.size()),
                           clock_.elapsed()));
}

void ClassServer::Disconnected(std::uint64_t connection) {
  const auto it = sockets_.find(connection);
  if (it == sockets_.end()) return;
  QWebSocket* socket = it->second;
  sockets_.erase(it);
  if (socket->closeCode() == QWebSocketProtocol::CloseCodeTooMuchData) {
    protocol_->RefuseUnread(connection, classroom::Refusal::TooLarge);
  } else {
    protocol_->Close(connection);
  }
  socket->deleteLater();
  changed_ = true;
}

void ClassServer::Carry(const classroom::Handled& handled) {
  AppendToRecord(handled.record);
  for (const classroom::Outgoing& out : handled.sent) {
    const auto it = sockets_.find(out.connection);
    if (it == sockets_.end()) continue;
    it->second->sendTextMessage(QString::fromStdString(out.text));
    if (out.close) it->second->close(QWebSocketProtocol::CloseCodePolicyViolated);
  }
  if (handled.poolChanged) changed_ = true;
  if (protocol_->classroom().Round() != exactRound_) ComputeExact();
  if (handled.statusAskedBy) {
    if (const auto it = sockets_.find(*handled.statusAskedBy); it != sockets_.end()) {
      it->second->sendTextMessage(StatusJson(true));
    }
  }
  if (handled.ended) {
    SendStatusToBoards();
    record_.close();
    // Nothing of the lesson stays on the machine unless the teacher saved it.
    record_.remove();
    emit Ended();
  }
}

void ClassServer::AppendToRecord(const std::vector<std::string>& lines) {
  if (lines.empty() || !record_.isOpen()) return;
  bool written = true;
  for (const std::string& line : lines) {
    written = record_.write(line.data(), static_cast<qint64>(line.size())) ==
                  static_cast<qint64>(line.size()) &&
              written;
  }
  // Handed to the system before any device hears of it: a killed server loses nothing told.
  if (!record_.flush() || !written) recordFailed_ = true;
}

QString ClassServer::StatusJson(bool asked) {
  QElapsedTimer timer;
  timer.start();
  const QString status = QString::fromStdString(
      classroom::StatusJson(*protocol_, exactHome_, asked, longestStatusMs_));
  longestStatusMs_ = std::max(longestStatusMs_, timer.nsecsElapsed() / 1e6);
  return status;
}

void ClassServer::SendStatusToBoards() {
  const auto boards = protocol_->Boards();
  if (boards.empty()) return;
  const QString status = StatusJson();
  for (const std::uint64_t id : boards) {
    if (const auto it = sockets_.find(id); it != sockets_.end())
      it->second->sendTextMessage(status);
  }
}

void ClassServer::ComputeExact() {
  exactRound_ = protocol_->classroom().Round();
  exactHome_.reset();
  try {
    const auto statistics = theory::ComputeEndingsAndMoments(protocol_->classroom().Setting());
    if (statistics) exactHome_ = statistics->home;
  } catch (const std::invalid_argument&) {
  }
}

}  // namespace quirlweg
