#include "experiment/experiment_file.h"

#include <QCoreApplication>
#include <QDir>
#include <QStringList>

#include "experiment/file_access.h"
#include "files/safe_file.h"
#include "lesson/tempo_scale.h"

namespace quirlweg {
namespace {

struct ExperimentFile {
  Q_DECLARE_TR_FUNCTIONS(ExperimentFile)
};

QString Number(double value) {
  return QString::number(value, 'g', 16);
}

QString TempoSteps() {
  QStringList steps;
  for (const int step : kTempoSteps) steps << QString::number(step);
  return steps.join(QStringLiteral(", "));
}

}  // namespace

QString RefusalText(const ExperimentRefusal& r) {
  const QString field = QString::fromStdString(r.field);
  switch (r.problem) {
    case ExperimentProblem::NotUtf8:
      return ExperimentFile::tr("Die Datei ist kein UTF-8-Text.");
    case ExperimentProblem::Empty:
      return ExperimentFile::tr("Die Datei ist leer.");
    case ExperimentProblem::TooDeep:
      return ExperimentFile::tr("Die Datei ist zu tief verschachtelt.");
    case ExperimentProblem::NotJson:
      return ExperimentFile::tr("Die Datei ist kein vollständiges JSON (Fehler in %1).")
          .arg(ExperimentFile::tr("Zeile %1, Zeichen %2").arg(r.line).arg(r.column));
    case ExperimentProblem::NotAnExperiment:
      return ExperimentFile::tr("Das ist keine Quirlweg-Versuchsdatei.");
    case ExperimentProblem::UnknownVersion:
      return ExperimentFile::tr(
                 "Versuchsdateien der Version %1 kennt dieses Programm nicht; es liest Version "
                 "%2.")
          .arg(Number(r.value))
          .arg(kExperimentVersion);
    case ExperimentProblem::Missing:
      return ExperimentFile::tr("„%1“ fehlt.").arg(field);
    case ExperimentProblem::NotANumber:
      return ExperimentFile::tr("„%1“ muss eine Zahl sein.").arg(field);
    case ExperimentProblem::NotWhole:
      return ExperimentFile::tr("„%1“ muss eine ganze Zahl sein.").arg(field);
    case ExperimentProblem::OutOfRange:
      return ExperimentFile::tr("„%1“ muss zwischen %2 und %3 liegen, ist aber %4.")
          .arg(field, Number(r.low), Number(r.high), Number(r.value));
    case ExperimentProblem::NotAFlag:
      return ExperimentFile::tr("„%1“ muss true oder false sein.").arg(field);
    case ExperimentProblem::NotAText:
      return ExperimentFile::tr("„%1“ muss ein Text sein.").arg(field);
    case ExperimentProblem::NotAnObject:
      return ExperimentFile::tr("„%1“ muss ein Objekt { … } sein.").arg(field);
    case ExperimentProblem::NotAList:
      return ExperimentFile::tr("„%1“ muss eine Liste [ … ] sein.").arg(field);
    case ExperimentProblem::NotWholePercent:
      return ExperimentFile::tr("„%1“ muss in ganzen Prozent angegeben sein, etwa 0.35.")
          .arg(field);
    case ExperimentProblem::StartNotAPair:
      return ExperimentFile::tr("„%1“ muss zwei Zahlen [x, y] enthalten.").arg(field);
    case ExperimentProblem::UnknownMode:
      return ExperimentFile::tr("„%1“ muss „step“, „journey“ oder „twentyJourneys“ sein.")
          .arg(field);
    case ExperimentProblem::NotATempoStep:
      return ExperimentFile::tr("„%1“ muss eine Stufe der Tempo-Skala sein: %2.")
          .arg(field, TempoSteps());
    case ExperimentProblem::TooLong:
      return ExperimentFile::tr("„%1“ ist länger als %2 Zeichen.").arg(field).arg(r.limit);
    case ExperimentProblem::TooManyLines:
      return ExperimentFile::tr("„%1“ hat mehr als %2 Zeilen.").arg(field).arg(r.limit);
    case ExperimentProblem::TooManyJourneys:
      return ExperimentFile::tr("„series“ hat mehr als %1 Reisen.").arg(r.limit);
    case ExperimentProblem::JourneyNotFour:
      return ExperimentFile::tr("„%1“ muss vier Zahlen [Länge, x, y, z] enthalten.").arg(field);
    case ExperimentProblem::TooManySteps:
      return ExperimentFile::tr("„steps“ hat mehr als %1 Schritte.").arg(r.limit);
    case ExperimentProblem::TooManyDevices:
      return ExperimentFile::tr("„%1“ hat mehr als %2 Geräte.").arg(field).arg(r.limit);
    case ExperimentProblem::TooManyPooled:
      return ExperimentFile::tr("„%1“ zählt mehr als %2 Reisen.").arg(field).arg(r.limit);
    case ExperimentProblem::NotAPair:
      return ExperimentFile::tr("„%1“ muss zwei ganze Zahlen enthalten.").arg(field);
    case ExperimentProblem::SeedTwice:
      return ExperimentFile::tr("„%1“ hat denselben Startwert wie ein anderes Gerät.").arg(field);
    case ExperimentProblem::PoolOrderUneven:
      return ExperimentFile::tr(
                 "„%1“ passt nicht zu „class.devices“: Gerät %2 hat dort eine andere Zahl von "
                 "Reisen.")
          .arg(field, Number(r.value));
    case ExperimentProblem::UnknownRow:
      return ExperimentFile::tr(
                 "„%1“ muss eine Zeile der Tabelle nennen: „home“, „boundary“, "
                 "„top“, „right“, „bottom“, „left“, „z“ oder „mean“.")
          .arg(field);
  }
  return {};
}

QByteArray ExperimentFileBytes(const Experiment& experiment) {
  return QByteArray::fromStdString(ExperimentJson(experiment));
}

ExperimentReading ReadExperimentBytes(const QByteArray& bytes) {
  ExperimentParse parse = ParseExperiment(std::string_view(bytes.constData(), bytes.size()));
  if (!parse.experiment) return {std::nullopt, RefusalText(parse.refusal)};
  return {std::move(parse.experiment), QString()};
}

ExperimentReading ReadExperimentFile(const QString& path) {
  const auto refused = [&path](const QString& problem) {
    return ExperimentReading{std::nullopt,
                             ExperimentFile::tr("„%1“ lässt sich nicht als Versuch öffnen: %2")
                                 .arg(QDir::toNativeSeparators(path), problem)};
  };
  const FileReading read = ReadRegularFile(LocalPath(path), kLargestExperimentFile);
  if (!read.bytes) {
    return refused(read.failure.problem == FileProblem::TooLarge
                       ? ExperimentFile::tr("Die Datei ist größer als %1 MB.")
                             .arg(kLargestExperimentFile / (1024 * 1024))
                       : FileProblemText(read.failure, FileAccess::Reading));
  }
  ExperimentParse parse = ParseExperiment(*read.bytes);
  if (!parse.experiment) return refused(RefusalText(parse.refusal));
  return {std::move(parse.experiment), QString()};
}

}  // namespace quirlweg
