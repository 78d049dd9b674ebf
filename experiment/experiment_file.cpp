#include "experiment/experiment_file.h"

#include <QCoreApplication>
#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonValue>
#include <QStringDecoder>
#include <QStringList>
#include <algorithm>
#include <array>
#include <cmath>
#include <utility>

#include "experiment/file_access.h"
#include "files/safe_file.h"
// The tempo scale is a list of constants the window's slider shows; the file names its steps.
#include "lesson/tempo_scale.h"

namespace quirlweg {
namespace {

struct ExperimentFile {
  Q_DECLARE_TR_FUNCTIONS(ExperimentFile)
};

constexpr int kVersion = 1;
const QString kFormat = QStringLiteral("quirlweg-experiment");
constexpr qsizetype kLongestDescription = 4000;
constexpr qsizetype kMostDescriptionLines = 100;

constexpr std::array<std::pair<RunMode, const char*>, 3> kModeNames{{
    {RunMode::Step, "step"},
    {RunMode::Journey, "journey"},
    {RunMode::TwentyJourneys, "twentyJourneys"},
}};

// Thrown inside the parser only: the first field amiss ends the reading.
struct Refusal {
  QString problem;
};

[[noreturn]] void Refuse(const QString& problem) {
  throw Refusal{problem};
}

// One object of the file, read field by field; `path` names it in messages ("setting.radius").
class Fields {
 public:
  Fields(const QJsonObject& object, QString path) : object_(object), path_(std::move(path)) {}

  bool Has(const char* key) const { return object_.contains(QLatin1String(key)); }

  QJsonValue Required(const char* key) const {
    const QJsonValue value = object_.value(QLatin1String(key));
    if (value.isUndefined()) Refuse(ExperimentFile::tr("„%1“ fehlt.").arg(Name(key)));
    return value;
  }

  std::int64_t Integer(const char* key, std::int64_t low, std::int64_t high) const {
    return IntegerOf(Required(key), Name(key), low, high);
  }

  double Number(const char* key, double low, double high) const {
    const QJsonValue value = Required(key);
    if (!value.isDouble()) Refuse(ExperimentFile::tr("„%1“ muss eine Zahl sein.").arg(Name(key)));
    const double number = value.toDouble();
    if (!(number >= low && number <= high)) OutOfRange(Name(key), low, high, number);
    return number;
  }

  bool Flag(const char* key) const {
    const QJsonValue value = Required(key);
    if (!value.isBool()) {
      Refuse(ExperimentFile::tr("„%1“ muss true oder false sein.").arg(Name(key)));
    }
    return value.toBool();
  }

  QString Text(const char* key) const {
    const QJsonValue value = Required(key);
    if (!value.isString()) Refuse(ExperimentFile::tr("„%1“ muss ein Text sein.").arg(Name(key)));
    return value.toString();
  }

  Fields Object(const char* key) const {
    const QJsonValue value = Required(key);
    if (!value.isObject()) {
      Refuse(ExperimentFile::tr("„%1“ muss ein Objekt { … } sein.").arg(Name(key)));
    }
    return {value.toObject(), Name(key)};
  }

  QJsonArray Array(const char* key) const {
    const QJsonValue value = Required(key);
    if (!value.isArray()) {
      Refuse(ExperimentFile::tr("„%1“ muss eine Liste [ … ] sein.").arg(Name(key)));
    }
    return value.toArray();
  }

  QString Name(const char* key) const {
    return path_.isEmpty() ? QLatin1String(key) : path_ + QLatin1Char('.') + QLatin1String(key);
  }

  [[noreturn]] static void OutOfRange(const QString& name, double low, double high, double value) {
    Refuse(ExperimentFile::tr("„%1“ muss zwischen %2 und %3 liegen, ist aber %4.")
               .arg(name, QString::number(low, 'g', 16), QString::number(high, 'g', 16),
                    QString::number(value, 'g', 16)));
  }

  // Whole numbers arrive as doubles; 1.5 or 1e300 are refused, not cut.
  static std::int64_t IntegerOf(const QJsonValue& value, const QString& name, std::int64_t low,
                                std::int64_t high) {
    const double number = value.toDouble(std::nan(""));
    if (!value.isDouble() || std::floor(number) != number) {
      Refuse(ExperimentFile::tr("„%1“ muss eine ganze Zahl sein.").arg(name));
    }
    if (number < static_cast<double>(low) || number > static_cast<double>(high)) {
      OutOfRange(name, static_cast<double>(low), static_cast<double>(high), number);
    }
    return static_cast<std::int64_t>(number);
  }

 private:
  QJsonObject object_;
  QString path_;
};

void ReadSetting(const Fields& setting, Experiment& e) {
  e.dimension = static_cast<int>(setting.Integer("dimension", 1, 3));
  e.radius = static_cast<int>(setting.Integer("radius", 2, 50));
  const double p = setting.Number("rightProbability", 0, 1);
  e.rightPercent = static_cast<int>(std::lround(p * 100));
  // The slider goes in whole per cent; a finer value would silently change.
  if (std::abs(p * 100 - e.rightPercent) > 1e-6) {
    Refuse(ExperimentFile::tr("„%1“ muss in ganzen Prozent angegeben sein, etwa 0.35.")
               .arg(setting.Name("rightProbability")));
  }
  const QJsonArray start = setting.Array("start");
  const QString startName = setting.Name("start");
  if (start.size() != 2) {
    Refuse(ExperimentFile::tr("„%1“ muss zwei Zahlen [x, y] enthalten.").arg(startName));
  }
  // Inside the boundary: a start on it would end every journey before its first step.
  const int inside = e.radius - 1;
  e.startX = static_cast<int>(
      Fields::IntegerOf(start[0], startName + QStringLiteral("[0]"), -inside, inside));
  e.startY = static_cast<int>(
      Fields::IntegerOf(start[1], startName + QStringLiteral("[1]"), -inside, inside));
  e.homeAbsorbs = setting.Flag("homeAbsorbs");
}

void ReadRun(const Fields& run, Experiment& e) {
  const QString mode = run.Text("mode");
  const auto named = std::find_if(kModeNames.begin(), kModeNames.end(),
                                  [&](const auto& entry) { return mode == entry.second; });
  if (named == kModeNames.end()) {
    Refuse(ExperimentFile::tr("„%1“ muss „step“, „journey“ oder „twentyJourneys“ sein.")
               .arg(run.Name("mode")));
  }
  e.mode = named->first;
  e.tempo = static_cast<int>(run.Integer("tempo", 0, 1000));
  if (std::find(kTempoSteps.begin(), kTempoSteps.end(), e.tempo) == kTempoSteps.end()) {
    QStringList steps;
    for (const int step : kTempoSteps) steps << QString::number(step);
    Refuse(ExperimentFile::tr("„%1“ muss eine Stufe der Tempo-Skala sein: %2.")
               .arg(run.Name("tempo"), steps.join(QStringLiteral(", "))));
  }
}

void ReadDescription(const Fields& description, Experiment& e) {
  for (auto [key, text] : {std::pair{"de", &e.descriptionGerman}, {"en", &e.descriptionEnglish}}) {
    if (!description.Has(key)) continue;
    *text = description.Text(key);
    if (text->size() > kLongestDescription) {
      Refuse(ExperimentFile::tr("„%1“ ist länger als %2 Zeichen.")
                 .arg(description.Name(key))
                 .arg(kLongestDescription));
    }
    if (text->count(QLatin1Char('\n')) >= kMostDescriptionLines) {
      Refuse(ExperimentFile::tr("„%1“ hat mehr als %2 Zeilen.")
                 .arg(description.Name(key))
                 .arg(kMostDescriptionLines));
    }
  }
}

void ReadSeries(const QJsonArray& journeys, Experiment& e) {
  if (static_cast<std::size_t>(journeys.size()) > kMostSavedJourneys) {
    Refuse(ExperimentFile::tr("„series“ hat mehr als %1 Reisen.").arg(kMostSavedJourneys));
  }
  const int r = e.radius;
  for (qsizetype i = 0; i < journeys.size(); ++i) {
    const QString name = QStringLiteral("series[%1]").arg(i);
    const QJsonArray j = journeys[i].toArray();
    if (!journeys[i].isArray() || j.size() != 4) {
      Refuse(ExperimentFile::tr("„%1“ muss vier Zahlen [Länge, x, y, z] enthalten.").arg(name));
    }
    e.series.push_back(
        {Fields::IntegerOf(j[0], name + QStringLiteral("[0]"), 1, std::int64_t{1} << 53),
         static_cast<int>(Fields::IntegerOf(j[1], name + QStringLiteral("[1]"), -r, r)),
         static_cast<int>(Fields::IntegerOf(j[2], name + QStringLiteral("[2]"), -r, r)),
         static_cast<int>(Fields::IntegerOf(j[3], name + QStringLiteral("[3]"), -r, r))});
  }
}

Experiment ReadExperiment(const QJsonObject& root) {
  const Fields file(root, QString());
  if (!root.contains(QLatin1String("format")) || root.value(QLatin1String("format")) != kFormat) {
    Refuse(ExperimentFile::tr("Das ist keine Quirlweg-Versuchsdatei."));
  }
  const auto version = file.Integer("version", 0, std::int64_t{1} << 53);
  if (version != kVersion) {
    Refuse(ExperimentFile::tr("Versuchsdateien der Version %1 kennt dieses Programm nicht; es "
                              "liest Version %2.")
               .arg(version)
               .arg(kVersion));
  }
  Experiment e;
  ReadSetting(file.Object("setting"), e);
  e.seed = static_cast<std::uint64_t>(file.Integer("seed", 0, kLargestSeed));
  if (file.Has("run")) ReadRun(file.Object("run"), e);
  if (file.Has("display")) {
    const Fields display = file.Object("display");
    e.protocolShown = display.Flag("protocol");
    e.heatTraces = display.Flag("heatTraces");
  }
  if (file.Has("description")) ReadDescription(file.Object("description"), e);
  if (file.Has("series")) ReadSeries(file.Array("series"), e);
  return e;
}

// Where the parser stopped, as a reader counts: line and character, not byte.
QString PlaceOf(const QByteArray& bytes, qsizetype offset) {
  const QByteArray before = bytes.left(offset);
  const qsizetype lineStart = before.lastIndexOf('\n') + 1;
  const qsizetype column = QString::fromUtf8(before.mid(lineStart)).toUcs4().size() + 1;
  return ExperimentFile::tr("Zeile %1, Zeichen %2").arg(before.count('\n') + 1).arg(column);
}

}  // namespace

QByteArray ExperimentJson(const Experiment& e) {
  const auto mode = std::find_if(kModeNames.begin(), kModeNames.end(),
                                 [&](const auto& entry) { return entry.first == e.mode; });
  QJsonObject root{
      {QStringLiteral("format"), kFormat},
      {QStringLiteral("version"), kVersion},
      {QStringLiteral("setting"),
       QJsonObject{{QStringLiteral("dimension"), e.dimension},
                   {QStringLiteral("radius"), e.radius},
                   {QStringLiteral("rightProbability"), e.rightPercent / 100.0},
                   {QStringLiteral("start"), QJsonArray{e.startX, e.startY}},
                   {QStringLiteral("homeAbsorbs"), e.homeAbsorbs}}},
      {QStringLiteral("run"), QJsonObject{{QStringLiteral("mode"), QLatin1String(mode->second)},
                                          {QStringLiteral("tempo"), e.tempo}}},
      {QStringLiteral("display"), QJsonObject{{QStringLiteral("protocol"), e.protocolShown},
                                              {QStringLiteral("heatTraces"), e.heatTraces}}},
      {QStringLiteral("seed"), static_cast<qint64>(e.seed)},
  };
  if (!e.descriptionGerman.isEmpty() || !e.descriptionEnglish.isEmpty()) {
    root.insert(QStringLiteral("description"),
                QJsonObject{{QStringLiteral("de"), e.descriptionGerman},
                            {QStringLiteral("en"), e.descriptionEnglish}});
  }
  if (!e.series.empty() && e.series.size() <= kMostSavedJourneys) {
    QJsonArray journeys;
    for (const SavedJourney& j : e.series) {
      journeys.append(QJsonArray{static_cast<qint64>(j.length), j.x, j.y, j.z});
    }
    root.insert(QStringLiteral("series"), journeys);
  }
  return QJsonDocument(root).toJson(QJsonDocument::Indented);
}

ExperimentReading ParseExperiment(const QByteArray& file) {
  // Editors on some systems begin UTF-8 with a byte order mark, which JSON does not allow.
  const QByteArray bytes = file.startsWith("\xEF\xBB\xBF") ? file.mid(3) : file;
  QStringDecoder utf8(QStringDecoder::Utf8);
  const QString text = utf8(bytes);
  if (utf8.hasError()) return {std::nullopt, ExperimentFile::tr("Die Datei ist kein UTF-8-Text.")};
  if (bytes.trimmed().isEmpty()) return {std::nullopt, ExperimentFile::tr("Die Datei ist leer.")};
  QJsonParseError error{};
  const QJsonDocument document = QJsonDocument::fromJson(bytes, &error);
  if (error.error == QJsonParseError::DeepNesting) {
    return {std::nullopt, ExperimentFile::tr("Die Datei ist zu tief verschachtelt.")};
  }
  if (error.error != QJsonParseError::NoError) {
    return {std::nullopt,
            ExperimentFile::tr("Die Datei ist kein vollständiges JSON (Fehler in %1).")
                .arg(PlaceOf(bytes, error.offset))};
  }
  if (!document.isObject()) {
    return {std::nullopt, ExperimentFile::tr("Das ist keine Quirlweg-Versuchsdatei.")};
  }
  try {
    return {ReadExperiment(document.object()), QString()};
  } catch (const Refusal& refusal) {
    return {std::nullopt, refusal.problem};
  }
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
  const QByteArray bytes = QByteArray::fromStdString(*read.bytes);
  ExperimentReading reading = ParseExperiment(bytes);
  if (!reading.experiment) return refused(reading.problem);
  return reading;
}

}  // namespace quirlweg
