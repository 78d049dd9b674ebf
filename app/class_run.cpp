#include "app/class_run.h"

#include <QCoreApplication>
#include <QLocale>
#include <QTimer>
#include <cstdio>

#include "classserver/class_server.h"
#include "classserver/qr_code.h"

namespace quirlweg {
namespace {

QString ClassRunText(const char* text) {
  return QCoreApplication::translate("ClassRun", text);
}

void Say(const QString& line) {
  std::printf("%s\n", qPrintable(line));
  std::fflush(stdout);
}

// Two modules a character, dark as blocks: scanned from a terminal on a projector.
void PrintQrCode(const QString& text) {
  const auto modules = QrModules(text);
  if (modules.empty()) return;
  const auto dark = [&](std::size_t y, std::size_t x) {
    return y < modules.size() && x < modules.size() && modules[y][x];
  };
  const int quiet = 2;
  const int size = static_cast<int>(modules.size());
  for (int y = -quiet; y < size + quiet; y += 2) {
    QString row;
    for (int x = -quiet; x < size + quiet; ++x) {
      const bool top =
          y >= 0 && x >= 0 && dark(static_cast<std::size_t>(y), static_cast<std::size_t>(x));
      const bool bottom = y + 1 >= 0 && x >= 0 &&
                          dark(static_cast<std::size_t>(y + 1), static_cast<std::size_t>(x));
      // Light on dark terminals: the code's light modules are drawn, its dark ones left out.
      row += !top && !bottom ? QChar(0x2588)
             : !top          ? QChar(0x2580)
             : !bottom       ? QChar(0x2584)
                             : QChar(' ');
    }
    Say(row);
  }
}

QString ProblemText(ClassStartProblem problem, const ClassServerOptions& options) {
  switch (problem) {
    case ClassStartProblem::PortTaken:
      return ClassRunText(QT_TRANSLATE_NOOP("ClassRun", "Port %1 ist schon belegt."))
          .arg(options.port);
    case ClassStartProblem::RecordUnreadable:
      return ClassRunText(QT_TRANSLATE_NOOP("ClassRun",
                                            "„%1“ ist kein lesbares Protokoll eines "
                                            "Klassenversuchs; es bleibt unverändert."))
          .arg(options.recordPath);
    case ClassStartProblem::RecordInUse:
      return ClassRunText(
                 QT_TRANSLATE_NOOP("ClassRun", "Ein anderer Klassenversuch läuft schon auf „%1“."))
          .arg(options.recordPath);
    case ClassStartProblem::RecordUnwritable:
      return ClassRunText(QT_TRANSLATE_NOOP("ClassRun", "„%1“ lässt sich nicht schreiben."))
          .arg(options.recordPath);
  }
  return {};
}

void TellStart(const ClassServer& server) {
  const QString pupils = server.DeviceAddress();
  if (const auto& resumed = server.Resumption()) {
    Say(ClassRunText(QT_TRANSLATE_NOOP("ClassRun",
                                       "Klassenversuch fortgesetzt: %1 Geräte, %2 Reisen im Pool."))
            .arg(resumed->devices)
            .arg(QLocale().toString(static_cast<qlonglong>(resumed->journeys))));
  }
  Say(ClassRunText(QT_TRANSLATE_NOOP("ClassRun", "Adresse für die Klasse: %1")).arg(pupils));
  Say(ClassRunText(QT_TRANSLATE_NOOP("ClassRun", "Klassencode: %1")).arg(server.Code()));
  PrintQrCode(pupils);
  Say(ClassRunText(QT_TRANSLATE_NOOP("ClassRun", "Tafel, nur für die Lehrkraft: %1"))
          .arg(server.BoardAddress()));
}

// One line of the class's figures.
void TellFigures(ClassServer& server) {
  const auto& c = server.Protocol().classroom();
  const qlonglong pooled = static_cast<qlonglong>(c.Pool().size());
  QString line =
      ClassRunText(QT_TRANSLATE_NOOP("ClassRun", "Runde %1: %2 Geräte, %3 Reisen im Pool"))
          .arg(c.Round())
          .arg(c.Devices().size())
          .arg(QLocale().toString(pooled));
  if (pooled > 0) {
    const double share =
        100.0 * static_cast<double>(c.PooledHomeEnds()) / static_cast<double>(pooled);
    line += ClassRunText(QT_TRANSLATE_NOOP("ClassRun", ", Heimkehr %1 %"))
                .arg(QLocale().toString(share, 'f', 2));
    if (const auto exact = server.ExactHome()) {
      line += ClassRunText(QT_TRANSLATE_NOOP("ClassRun", " (exakt %1 %)"))
                  .arg(QLocale().toString(100 * *exact, 'f', 2));
    }
  }
  if (server.RecordFailed()) {
    line += ClassRunText(QT_TRANSLATE_NOOP("ClassRun",
                                           " – das Protokoll lässt sich nicht mehr "
                                           "schreiben!"));
  }
  Say(line);
}

}  // namespace

int RunClass(const ClassRun& run) {
  ClassServerOptions options;
  options.port = run.port;
  options.setting = run.setting;
  options.siteFolder = run.siteFolder.isEmpty() ? DefaultSiteFolder() : run.siteFolder;
  options.recordPath = run.recordPath.isEmpty() ? DefaultRecordPath() : run.recordPath;
  ClassServer server;
  if (const auto problem = server.Start(options)) {
    std::fprintf(stderr, "quirlweg: %s\n", qPrintable(ProblemText(*problem, options)));
    return 1;
  }
  // Asked for at this start, also of a class resumed from its record.
  if (!run.namesAllowed) server.Command(classroom::NamesCommand{false});
  TellStart(server);
  if (!server.ServesSite()) {
    std::fprintf(stderr, "quirlweg: %s\n",
                 qPrintable(ClassRunText(QT_TRANSLATE_NOOP(
                                             "ClassRun",
                                             "Die Seite der Browser-Ausgabe fehlt in „%1“: Die "
                                             "Geräte finden nichts (--site ORDNER)."))
                                .arg(options.siteFolder)));
  }
  // The figures every few seconds while the class walks.
  bool changed = false;
  QObject::connect(&server, &ClassServer::Changed, [&changed] { changed = true; });
  QTimer figures;
  QObject::connect(&figures, &QTimer::timeout, [&] {
    if (!changed) return;
    changed = false;
    TellFigures(server);
  });
  figures.start(5000);
  QObject::connect(&server, &ClassServer::Ended, [&] {
    TellFigures(server);
    Say(ClassRunText(QT_TRANSLATE_NOOP("ClassRun", "Der Klassenversuch ist beendet.")));
    QCoreApplication::quit();
  });
  return QCoreApplication::exec();
}

}  // namespace quirlweg
