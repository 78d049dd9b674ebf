#include "experiment/file_access.h"

#include <QCoreApplication>
#include <QFile>

namespace quirlweg {
namespace {

struct FileProblems {
  Q_DECLARE_TR_FUNCTIONS(FileProblems)
};

QString KindText(FileProblem problem, FileAccess access) {
  const bool reading = access == FileAccess::Reading;
  switch (problem) {
    case FileProblem::Folder:
      return reading ? FileProblems::tr("Das ist ein Ordner, keine Datei.")
                     : FileProblems::tr("Dort steht ein Ordner; er wird nicht ersetzt.");
    case FileProblem::Pipe:
      return reading ? FileProblems::tr(
                           "Das ist eine Pipe, keine gewöhnliche Datei; sie wird "
                           "nicht gelesen.")
                     : FileProblems::tr(
                           "Das ist eine Pipe, keine gewöhnliche Datei; sie wird "
                           "nicht ersetzt.");
    case FileProblem::Device:
      return reading ? FileProblems::tr(
                           "Das ist ein Gerät, keine gewöhnliche Datei; es wird "
                           "nicht gelesen.")
                     : FileProblems::tr(
                           "Das ist ein Gerät, keine gewöhnliche Datei; es wird "
                           "nicht ersetzt.");
    case FileProblem::Socket:
      return FileProblems::tr("Das ist ein Socket, keine gewöhnliche Datei.");
    default:
      return FileProblems::tr("Das ist keine gewöhnliche Datei.");
  }
}

}  // namespace

QString FileProblemText(const FileFailure& failure, FileAccess access) {
  const bool reading = access == FileAccess::Reading;
  switch (failure.problem) {
    case FileProblem::Missing:
      return reading ? FileProblems::tr("Diese Datei gibt es nicht.")
                     : FileProblems::tr("Diesen Ordner gibt es nicht.");
    case FileProblem::Folder:
    case FileProblem::Pipe:
    case FileProblem::Device:
    case FileProblem::Socket:
    case FileProblem::OtherKind:
      return KindText(failure.problem, access);
    case FileProblem::NotAllowed:
      return reading ? FileProblems::tr("Diese Datei darf nicht gelesen werden.")
                     : FileProblems::tr("Dort darf nicht geschrieben werden.");
    case FileProblem::ReadOnlyDisk:
      return FileProblems::tr("Der Datenträger ist schreibgeschützt.");
    case FileProblem::DiskFull:
      return FileProblems::tr("Auf dem Datenträger ist kein Platz mehr frei.");
    case FileProblem::TooBigForDisk:
      return FileProblems::tr("Die Datei wird zu groß für diesen Datenträger.");
    case FileProblem::TooLarge:
      return FileProblems::tr("Die Datei ist zu groß.");
    case FileProblem::DeviceError:
      return reading ? FileProblems::tr("Der Datenträger meldet einen Lesefehler.")
                     : FileProblems::tr("Der Datenträger meldet einen Schreibfehler.");
    case FileProblem::Other:
      break;
  }
  return FileProblems::tr("Das Betriebssystem meldet den Fehler Nr. %1.").arg(failure.error);
}

std::string LocalPath(const QString& path) {
  return QFile::encodeName(path).toStdString();
}

QString PrintablePath(const QString& path) {
  QString printable;
  for (const QChar c : path) {
    const char16_t u = c.unicode();
    // C0 and C1 controls, and the marks that turn the direction of what follows.
    const bool control = u < 0x20 || (u >= 0x7F && u < 0xA0) || u == 0x200E || u == 0x200F ||
                         (u >= 0x202A && u <= 0x202E) || (u >= 0x2066 && u <= 0x2069);
    if (control) {
      printable += QStringLiteral("\\x%1").arg(static_cast<unsigned>(u), 2, 16, QLatin1Char('0'));
    } else {
      printable += c;
    }
  }
  return printable;
}

std::optional<QString> WriteWholeFile(const QString& path, const QByteArray& bytes) {
  const auto failure =
      WriteFileAtomically(LocalPath(path), std::string_view(bytes.constData(), bytes.size()));
  if (!failure) return std::nullopt;
  return FileProblemText(*failure, FileAccess::Writing);
}

}  // namespace quirlweg
