#include "export/series_export.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QDateTime>
#include <QImage>

#include "experiment/file_access.h"
#include "figures/exact_statistics.h"
#include "figures/number_texts.h"
#include "series/series_summary.h"

namespace quirlweg {
namespace {

// The translation context of the export's texts.
struct SeriesExport {
  Q_DECLARE_TR_FUNCTIONS(SeriesExport)
};

QString WordText(CsvWord word) {
  switch (word) {
    case CsvWord::Title:
      return SeriesExport::tr("Quirlweg: alle Reisen der Serie, fortlaufend nummeriert");
    case CsvWord::Date:
      return SeriesExport::tr("Datum");
    case CsvWord::Dimension:
      return SeriesExport::tr("Dimension");
    case CsvWord::Radius:
      return SeriesExport::tr("R");
    case CsvWord::RightProbability:
      return SeriesExport::tr("p(rechts)");
    case CsvWord::StartX:
      return SeriesExport::tr("Start x");
    case CsvWord::StartY:
      return SeriesExport::tr("Start y");
    case CsvWord::HomeAbsorbs:
      return SeriesExport::tr("Heimkreis absorbiert");
    case CsvWord::Seed:
      return SeriesExport::tr("Startwert");
    case CsvWord::MixesSettings:
      return SeriesExport::tr(
          "Die Serie mischt Einstellungen – Zähler löschen für einen Vergleich");
    case CsvWord::ExactHome:
      return SeriesExport::tr("exakt zu Hause");
    case CsvWord::ExactTop:
      return SeriesExport::tr("exakt oben");
    case CsvWord::ExactRight:
      return SeriesExport::tr("exakt rechts");
    case CsvWord::ExactBottom:
      return SeriesExport::tr("exakt unten");
    case CsvWord::ExactLeft:
      return SeriesExport::tr("exakt links");
    case CsvWord::ExactZFaces:
      return SeriesExport::tr("exakt z-Flächen");
    case CsvWord::ExactMeanLength:
      return SeriesExport::tr("exakt mittlere Weglänge");
    case CsvWord::ExactSdLength:
      return SeriesExport::tr("exakt Standardabweichung der Weglänge");
    case CsvWord::ExactMissing:
      return SeriesExport::tr("exakte Werte noch nicht berechnet");
    case CsvWord::Yes:
      return SeriesExport::tr("ja");
    case CsvWord::No:
      return SeriesExport::tr("nein");
    case CsvWord::EndHome:
      return SeriesExport::tr("Heim");
    case CsvWord::EndTop:
      return SeriesExport::tr("oben");
    case CsvWord::EndRight:
      return SeriesExport::tr("rechts");
    case CsvWord::EndBottom:
      return SeriesExport::tr("unten");
    case CsvWord::EndLeft:
      return SeriesExport::tr("links");
    case CsvWord::EndZFace:
      return SeriesExport::tr("z-Fläche");
    case CsvWord::Number:
      return SeriesExport::tr("Nr.");
    case CsvWord::Length:
      return SeriesExport::tr("Länge");
    case CsvWord::X:
      return SeriesExport::tr("x");
    case CsvWord::Y:
      return SeriesExport::tr("y");
    case CsvWord::Z:
      return SeriesExport::tr("z");
    case CsvWord::End:
      return SeriesExport::tr("Ende");
    case CsvWord::NumberInProtocol:
      return SeriesExport::tr("Nr. im Protokoll");
  }
  return {};
}

// The decimal separator the main window shows numbers with.
std::string DecimalSeparator() {
  return QString(DisplayDecimalPoint()).toStdString();
}

}  // namespace

CsvWords SeriesCsvWords() {
  CsvWords words;
  for (std::size_t w = 0; w < kCsvWordCount; ++w) {
    words[w] = WordText(static_cast<CsvWord>(w)).toStdString();
  }
  return words;
}

SeriesHeader SeriesHeaderNow(const ExactStatistics& exact, bool mixesSettings,
                             std::optional<std::uint64_t> seed) {
  return {QDateTime::currentDateTime().toString(Qt::ISODate).toStdString(), exact.setting(),
          exact.values(), mixesSettings, seed};
}

SeriesCsvFile::SeriesCsvFile(const QString& path, const SeriesHeader& header)
    : file_(LocalPath(path)), csv_(header, SeriesCsvWords(), DecimalSeparator()) {}

std::optional<QString> SeriesCsvFile::Open() {
  return Failed(file_.Open());
}

std::optional<QString> SeriesCsvFile::Add(const JourneyRecord& journey) {
  csv_.Add(journey);
  // Written in pieces of about a megabyte: memory stays flat however long the series.
  if (++pending_ < kRowsPerWrite) return std::nullopt;
  pending_ = 0;
  return WritePending();
}

std::optional<QString> SeriesCsvFile::Commit() {
  if (auto failure = WritePending()) return failure;
  return Failed(file_.Commit());
}

std::optional<QString> SeriesCsvFile::WritePending() {
  return Failed(file_.Write(csv_.Take()));
}

std::optional<QString> SeriesCsvFile::Failed(const std::optional<FileFailure>& failure) {
  if (!failure) return std::nullopt;
  return FileProblemText(*failure, FileAccess::Writing);
}

std::optional<QString> SaveSeries(const QString& path, const JourneySeries& journeys,
                                  const ExactStatistics& exact, std::optional<std::uint64_t> seed) {
  SeriesCsvFile file(
      path,
      SeriesHeaderNow(exact, Summarize(journeys, exact.setting(), nullptr).mixesSettings, seed));
  if (auto failure = file.Open()) return failure;
  for (const JourneyRecord& j : journeys) {
    if (auto failure = file.Add(j)) return failure;
  }
  return file.Commit();
}

std::optional<QString> WritePicture(const QString& path, const QImage& picture) {
  QByteArray png;
  QBuffer buffer(&png);
  buffer.open(QIODevice::WriteOnly);
  if (!picture.save(&buffer, "PNG"))
    return SeriesExport::tr("Das Bild lässt sich nicht als PNG kodieren.");
  return WriteWholeFile(path, png);
}

}  // namespace quirlweg
