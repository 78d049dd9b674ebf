#include "export/series_export.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QImage>
#include <QStringList>

#include "experiment/file_access.h"
#include "export/csv_writer.h"
#include "figures/exact_statistics.h"
#include "figures/number_texts.h"
#include "series/series_summary.h"

namespace quirlweg {
namespace {

// The translation context of the export's texts.
struct SeriesExport {
  Q_DECLARE_TR_FUNCTIONS(SeriesExport)
};

QString EndName(JourneyEnd end) {
  switch (end) {
    case JourneyEnd::Home:
      return SeriesExport::tr("Heim");
    case JourneyEnd::Top:
      return SeriesExport::tr("oben");
    case JourneyEnd::Right:
      return SeriesExport::tr("rechts");
    case JourneyEnd::Bottom:
      return SeriesExport::tr("unten");
    case JourneyEnd::Left:
      return SeriesExport::tr("links");
    case JourneyEnd::ZFace:
      return SeriesExport::tr("z-Fläche");
  }
  return {};
}

QString YesNo(bool yes) {
  return yes ? SeriesExport::tr("ja") : SeriesExport::tr("nein");
}

void WriteHeader(CsvWriter& csv, const SeriesHeader& header) {
  const theory::Setting& s = header.setting;
  csv.Row({SeriesExport::tr("Quirlweg: alle Reisen der Serie, fortlaufend nummeriert")});
  csv.Row({SeriesExport::tr("Datum"), header.when.toString(Qt::ISODate)});
  csv.Row({SeriesExport::tr("Dimension"), QString::number(s.dimension)});
  csv.Row({SeriesExport::tr("R"), QString::number(s.radius)});
  csv.Row({SeriesExport::tr("p(rechts)"), csv.Number(s.rightProbability)});
  csv.Row({SeriesExport::tr("Start x"), QString::number(s.startX)});
  csv.Row({SeriesExport::tr("Start y"), QString::number(-s.startY)});
  csv.Row({SeriesExport::tr("Heimkreis absorbiert"), YesNo(s.homeAbsorbs)});
  if (header.seed) csv.Row({SeriesExport::tr("Startwert"), QString::number(*header.seed)});
  if (header.mixesSettings) {
    csv.Row(
        {SeriesExport::tr("Die Serie mischt Einstellungen – Zähler löschen für einen Vergleich")});
  }
  if (header.exact) {
    const theory::JourneyStatistics& e = *header.exact;
    csv.Row({SeriesExport::tr("exakt zu Hause"), csv.Number(e.home)});
    csv.Row({SeriesExport::tr("exakt oben"), csv.Number(e.top)});
    csv.Row({SeriesExport::tr("exakt rechts"), csv.Number(e.right)});
    csv.Row({SeriesExport::tr("exakt unten"), csv.Number(e.bottom)});
    csv.Row({SeriesExport::tr("exakt links"), csv.Number(e.left)});
    if (s.dimension == 3) csv.Row({SeriesExport::tr("exakt z-Flächen"), csv.Number(e.zFace)});
    csv.Row({SeriesExport::tr("exakt mittlere Weglänge"), csv.Number(e.meanLength)});
    csv.Row({SeriesExport::tr("exakt Standardabweichung der Weglänge"), csv.Number(e.sdLength)});
  } else {
    csv.Row({SeriesExport::tr("exakte Werte noch nicht berechnet")});
  }
  csv.Row({});
}

// A journey as its row: its place in the series, where it ended and, since a series may mix
// settings, what it ran under; last the number the protocol gave it, which begins anew after
// 1001 journeys. Like the protocol, y counts upward.
QStringList JourneyFields(const CsvWriter& csv, std::int64_t place, const JourneyRecord& j) {
  const JourneySetting& s = j.setting;
  return {QString::number(place),       QString::number(j.length), QString::number(j.x),
          QString::number(-j.y),        QString::number(j.z),      EndName(j.end),
          QString::number(s.dimension), QString::number(s.radius), csv.Number(s.rightProbability),
          YesNo(s.homeAbsorbs),         QString::number(s.startX), QString::number(-s.startY),
          QString::number(j.number)};
}

QStringList ColumnNames() {
  return {SeriesExport::tr("Nr."),
          SeriesExport::tr("Länge"),
          SeriesExport::tr("x"),
          SeriesExport::tr("y"),
          SeriesExport::tr("z"),
          SeriesExport::tr("Ende"),
          SeriesExport::tr("Dimension"),
          SeriesExport::tr("R"),
          SeriesExport::tr("p(rechts)"),
          SeriesExport::tr("Heimkreis absorbiert"),
          SeriesExport::tr("Start x"),
          SeriesExport::tr("Start y"),
          SeriesExport::tr("Nr. im Protokoll")};
}

}  // namespace

SeriesCsvStream::SeriesCsvStream(const SeriesHeader& header, QChar decimalSeparator)
    : csv_(decimalSeparator) {
  WriteHeader(csv_, header);
  csv_.Row(ColumnNames());
}

void SeriesCsvStream::Add(const JourneyRecord& journey) {
  csv_.Row(JourneyFields(csv_, ++journeys_, journey));
}

QByteArray SeriesCsv(const JourneySeries& journeys, const SeriesHeader& header,
                     QChar decimalSeparator) {
  SeriesCsvStream csv(header, decimalSeparator);
  for (const JourneyRecord& j : journeys) csv.Add(j);
  return csv.Take();
}

SeriesCsvFile::SeriesCsvFile(const QString& path, const SeriesHeader& header)
    : file_(LocalPath(path)), csv_(header, DisplayDecimalPoint()) {}

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
  const QByteArray bytes = csv_.Take();
  return Failed(file_.Write(std::string_view(bytes.constData(), bytes.size())));
}

std::optional<QString> SeriesCsvFile::Failed(const std::optional<FileFailure>& failure) {
  if (!failure) return std::nullopt;
  return FileProblemText(*failure, FileAccess::Writing);
}

std::optional<QString> SaveSeries(const QString& path, const JourneySeries& journeys,
                                  const ExactStatistics& exact, std::optional<std::uint64_t> seed) {
  const SeriesHeader header{QDateTime::currentDateTime(), exact.setting(), exact.values(),
                            Summarize(journeys, exact.setting(), nullptr).mixesSettings, seed};
  SeriesCsvFile file(path, header);
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
