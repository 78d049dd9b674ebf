#include "class_server_process.h"

#include <unistd.h>

#include <QDeadlineTimer>
#include <QFile>
#include <QRegularExpression>
#include <QTcpServer>

namespace quirlweg::bench {

ClassServerProcess::ClassServerProcess(QString program, QStringList arguments)
    : program_(std::move(program)), arguments_(std::move(arguments)) {
  process_.setProcessChannelMode(QProcess::SeparateChannels);
}

ClassServerProcess::~ClassServerProcess() {
  if (process_.state() != QProcess::NotRunning) Kill();
}

bool ClassServerProcess::Start() {
  process_.start(program_, arguments_);
  if (!process_.waitForStarted(5000)) return false;
  // The last line it prints on start names the board's address with its token.
  const QRegularExpression board(QStringLiteral("#board=([0-9a-f]{32})"));
  const QRegularExpression code(QStringLiteral("\\?class=([A-Z0-9]+)"));
  QString printed;
  const QDeadlineTimer deadline(10000);
  while (!deadline.hasExpired() && process_.state() == QProcess::Running) {
    process_.waitForReadyRead(100);
    printed += QString::fromUtf8(process_.readAllStandardOutput());
    const auto boardMatch = board.match(printed);
    if (!boardMatch.hasMatch()) continue;
    boardToken_ = boardMatch.captured(1);
    code_ = code.match(printed).captured(1);
    return !code_.isEmpty();
  }
  errors_ = QString::fromUtf8(process_.readAllStandardError());
  return false;
}

void ClassServerProcess::Kill() {
  process_.kill();
  process_.waitForFinished(5000);
}

void ClassServerProcess::Finish() {
  if (!process_.waitForFinished(5000)) Kill();
  errors_ += QString::fromUtf8(process_.readAllStandardError());
}

double ClassServerProcess::CpuSeconds() const {
  QFile stat(QStringLiteral("/proc/%1/stat").arg(process_.processId()));
  if (!stat.open(QIODevice::ReadOnly)) return 0;
  // The fields after the name in parentheses, which may hold spaces: utime and stime are the
  // 14th and 15th of the line.
  const QByteArray line = stat.readAll();
  const QList<QByteArray> fields = line.mid(line.lastIndexOf(')') + 2).split(' ');
  if (fields.size() < 13) return 0;
  const double ticks = fields[11].toDouble() + fields[12].toDouble();
  return ticks / static_cast<double>(sysconf(_SC_CLK_TCK));
}

quint16 FreePort() {
  QTcpServer probe;
  probe.listen(QHostAddress::LocalHost, 0);
  return probe.serverPort();
}

}  // namespace quirlweg::bench
