#include "evaluation/series_export.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QImage>
#include <QSaveFile>
#include <QStringList>
#include <cerrno>

#include "evaluation/csv_writer.h"
#include "evaluation/exact_statistics.h"
#include "evaluation/number_texts.h"
#include "evaluation/series_summary.h"

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
      return SeriesExport::tr("z");
  }
  return {};
}

// Why a file could not be written, in the user's language where the system's error number
// is a common one; the system's own words otherwise. `error` is errno right after the failure:
// a write cut short by a full disk leaves no error text in the file.
QString FailureOf(const QFileDevice& file, int error) {
  switch (error) {
    case ENOSPC:
    case EDQUOT:
      return SeriesExport::tr("Auf dem Datenträger ist kein Platz mehr frei.");
    case EFBIG:
      return SeriesExport::tr("Die Datei wird zu groß für diesen Datenträger.");
    case EACCES:
    case EPERM:
      return SeriesExport::tr("Dort darf nicht geschrieben werden.");
    case EROFS:
      return SeriesExport::tr("Der Datenträger ist schreibgeschützt.");
    case ENOENT:
    case ENOTDIR:
      return SeriesExport::tr("Diesen Ordner gibt es nicht.");
    case EIO:
      return SeriesExport::tr("Der Datenträger meldet einen Schreibfehler.");
    default:
      break;
  }
  const QString text = file.errorString();
  return text.isEmpty() || file.error() == QFileDevice::NoError
             ? SeriesExport::tr("Beim Schreiben ging etwas schief.")
             : text;
}

QString YesNo(bool yes) {
  return yes ? SeriesExport::tr("ja") : SeriesExport::tr("nein");
}

void WriteHeader(CsvWriter& csv, const SeriesHeader& header) {
  const theory::Setting& s = header.setting;
  csv.Row({SeriesExport::tr("Quirlweg: Reisen seit dem letzten Zurücksetzen der Zähler")});
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
    if (s.dimension == 3) csv.Row({SeriesExport::tr("exakt Ebene-Rand (z)"), csv.Number(e.zFace)});
    csv.Row({SeriesExport::tr("exakt mittlere Weglänge"), csv.Number(e.meanLength)});
    csv.Row({SeriesExport::tr("exakt Standardabweichung der Weglänge"), csv.Number(e.sdLength)});
  } else {
    csv.Row({SeriesExport::tr("exakte Werte noch nicht berechnet")});
  }
  csv.Row({});
}

// A journey as its row: where it ended and, since a series may mix settings, what it ran
// under. Like the protocol, y counts upward.
QStringList JourneyFields(const CsvWriter& csv, const JourneyRecord& j) {
  const JourneySetting& s = j.setting;
  return {QString::number(j.number),    QString::number(j.length), QString::number(j.x),
          QString::number(-j.y),        QString::number(j.z),      EndName(j.end),
          QString::number(s.dimension), QString::number(s.radius), csv.Number(s.rightProbability),
          YesNo(s.homeAbsorbs),         QString::number(s.startX), QString::number(-s.startY)};
}

}  // namespace

QByteArray SeriesCsv(const JourneySeries& journeys, const SeriesHeader& header,
                     QChar decimalSeparator) {
  CsvWriter csv(decimalSeparator);
  WriteHeader(csv, header);
  csv.Row({SeriesExport::tr("Nr."), SeriesExport::tr("Länge"), SeriesExport::tr("x"),
           SeriesExport::tr("y"), SeriesExport::tr("z"), SeriesExport::tr("Ende"),
           SeriesExport::tr("Dimension"), SeriesExport::tr("R"), SeriesExport::tr("p(rechts)"),
           SeriesExport::tr("Heimkreis absorbiert"), SeriesExport::tr("Start x"),
           SeriesExport::tr("Start y")});
  for (const JourneyRecord& j : journeys) csv.Row(JourneyFields(csv, j));
  return csv.Bytes();
}

std::optional<QString> WriteWholeFile(const QString& path, const QByteArray& bytes) {
  QSaveFile file(path);
  // Unbuffered: a buffered write only fails when commit() flushes it, and commit() does not
  // look at that failure; it would put a cut file in place of the old one.
  errno = 0;
  if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) return FailureOf(file, errno);
  errno = 0;
  if (file.write(bytes) != bytes.size() || !file.flush()) {
    const QString reason = FailureOf(file, errno);
    file.cancelWriting();
    return reason;
  }
  errno = 0;
  if (!file.commit()) return FailureOf(file, errno);
  return std::nullopt;
}

std::optional<QString> SaveSeries(const QString& path, const JourneySeries& journeys,
                                  const ExactStatistics& exact, std::optional<std::uint64_t> seed) {
  const SeriesHeader header{QDateTime::currentDateTime(), exact.setting(), exact.values(),
                            Summarize(journeys, exact.setting(), std::nullopt).mixesSettings, seed};
  const QString point = DisplayLocale().decimalPoint();
  return WriteWholeFile(path,
                        SeriesCsv(journeys, header, point.isEmpty() ? QChar('.') : point.front()));
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
