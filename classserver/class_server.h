#pragma once

#include <QElapsedTimer>
#include <QFile>
#include <QLockFile>
#include <QObject>
#include <QString>
#include <QTimer>
#include <map>
#include <memory>
#include <optional>

#include "classroom/class_code.h"
#include "classroom/class_protocol.h"
#include "engine/settings.h"

class QWebSocket;

namespace quirlweg {

class SiteFiles;

// The port a class is served on unless another is asked for: the same each lesson, so that a
// server started again keeps its address for the devices coming back.
inline constexpr quint16 kClassPort = 8765;

// The browser edition as the package installs it, and where the class's record is kept.
QString DefaultSiteFolder();
QString DefaultRecordPath();

struct ClassServerOptions {
  quint16 port = 0;        // 0: kClassPort, or any free port while that one is taken
  QString siteFolder;      // the browser edition's files
  QString recordPath;      // the class's record; resumed from where it exists
  JourneySetting setting;  // the first round's, for a class not resumed
};

// Why the class could not start; the program words it.
enum class ClassStartProblem { PortTaken, RecordUnreadable, RecordUnwritable, RecordInUse };

// What a start found in the record.
struct ClassResumption {
  int devices = 0;
  std::int64_t journeys = 0;
  int skippedLines = 0;
};

// The class server: the browser edition's files and the class's WebSocket on one port, every
// message handed to the class's protocol, its record lines appended and flushed before any
// answer goes out, and the board's figures sent to the teacher's board as they change.
class ClassServer final : public QObject {
  Q_OBJECT

 public:
  explicit ClassServer(QObject* parent = nullptr);
  ~ClassServer() override;

  std::optional<ClassStartProblem> Start(const ClassServerOptions& options);
  // A command of the board in this program; its answers go to the devices.
  void Command(const classroom::Message& command);
  quint16 Port() const { return port_; }
  QString Code() const;
  QString BoardToken() const;
  // The address a pupil opens, with the class code, in the school's network; and the board's,
  // with its token, for the teacher alone.
  QString DeviceAddress() const;
  QString BoardAddress() const;
  // Whether the browser edition's page is there to hand out: without it devices find nothing.
  bool ServesSite() const;
  // Set when the start resumed a record.
  const std::optional<ClassResumption>& Resumption() const { return resumption_; }
  const classroom::ClassProtocol& Protocol() const { return *protocol_; }
  // The exact chance of a home end in the round's setting; none where it is not known.
  std::optional<double> ExactHome() const { return exactHome_; }
  // The board's figures as JSON, and the longest time building them took.
  QString StatusJson(bool asked = false);
  double LongestStatusMilliseconds() const { return longestStatusMs_; }
  // Whether appending to the record failed: a restart would then lose journeys since.
  bool RecordFailed() const { return recordFailed_; }

 signals:
  // The pool or the devices changed; the board refreshes at most a few times a second.
  void Changed();
  // The teacher ended the class; its record is gone.
  void Ended();

 private:
  void AcceptConnection();
  void Received(std::uint64_t connection, const QByteArray& text);
  void Disconnected(std::uint64_t connection);
  void Carry(const classroom::Handled& handled);
  void AppendToRecord(const std::vector<std::string>& lines);
  void SendStatusToBoards();
  void ComputeExact();

  classroom::SecretSource secrets_;
  SiteFiles* site_ = nullptr;
  std::unique_ptr<classroom::ClassProtocol> protocol_;
  std::map<std::uint64_t, QWebSocket*> sockets_;  // children of the server
  std::uint64_t nextConnection_ = 1;
  QFile record_;
  std::unique_ptr<QLockFile> recordLock_;  // one server on a record at a time
  bool recordFailed_ = false;
  quint16 port_ = 0;
  QElapsedTimer clock_;
  QTimer statusTimer_;
  bool changed_ = false;
  int exactRound_ = 0;
  std::optional<double> exactHome_;
  double longestStatusMs_ = 0;
  std::optional<ClassResumption> resumption_;
};

}  // namespace quirlweg
