#pragma once

#include <QProcess>
#include <QString>
#include <QStringList>
#include <optional>

namespace quirlweg::bench {

// `quirlweg --class` as a process of its own, as a school server runs it: started on a port
// and a record, its class code and board token read from what it prints.
class ClassServerProcess {
 public:
  ClassServerProcess(QString program, QStringList arguments);
  ~ClassServerProcess();

  // Starts it and waits until it tells its addresses; false when it does not within seconds.
  bool Start();
  // Kills it at once, as a power cut or `kill -9` would, and waits until it is gone.
  void Kill();
  // Ends it normally after the class, collecting what it printed.
  void Finish();

  const QString& Code() const { return code_; }
  const QString& BoardToken() const { return boardToken_; }
  // The CPU time it used, user and system, in seconds, while running.
  double CpuSeconds() const;
  QString Errors() const { return errors_; }

 private:
  QString program_;
  QStringList arguments_;
  QProcess process_;
  QString code_;
  QString boardToken_;
  QString errors_;
};

// A port nothing listens on now.
quint16 FreePort();

}  // namespace quirlweg::bench
