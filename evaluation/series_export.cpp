#include "evaluation/series_export.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QImage>
#include <QSaveFile>
#include <QStringList>

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

class CsvWriter {
 public:
  explicit CsvWriter(QChar decimalSeparator)
      : decimal_(decimalSeparator), field_(decimalSeparator == QLatin1Char(',') ? ';' : ',') {}

  void Row(const QStringList& fields) { text_ += fields.join(field_) + QStringLiteral("\r\n"); }
  QString Number(double value) const {
    QString text = QString::number(value, 'g', 10);
    text.replace(QLatin1Char('.'), decimal_);
    return text;
  }
  QByteArray Bytes() const { return QByteArray("\xEF\xBB\xBF") + text_.toUtf8(); }

 private:
  QChar decimal_;
  QChar field_;
  QString text_;
};

void WriteHeader(CsvWriter& csv, const SeriesHeader& header) {
  const theory::Setting& s = header.setting;
  csv.Row({SeriesExport::tr("Quirlweg: Reisen seit dem letzten Zurücksetzen der Zähler")});
  csv.Row({SeriesExport::tr("Datum"), header.when.toString(Qt::ISODate)});
  csv.Row({SeriesExport::tr("Dimension"), QString::number(s.dimension)});
  csv.Row({SeriesExport::tr("R"), QString::number(s.radius)});
  csv.Row({SeriesExport::tr("p(rechts)"), csv.Number(s.rightProbability)});
  csv.Row({SeriesExport::tr("Start x"), QString::number(s.startX)});
  csv.Row({SeriesExport::tr("Start y"), QString::number(-s.startY)});
  csv.Row({SeriesExport::tr("Heimkreis absorbiert"),
           s.homeAbsorbs ? SeriesExport::tr("ja") : SeriesExport::tr("nein")});
  if (header.mixesSettings) {
    csv.Row({SeriesExport::tr(
        "Die Serie mischt Einstellungen; die exakten Werte gelten für die obigen.")});
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

}  // namespace

QByteArray SeriesCsv(const std::vector<JourneyRecord>& journeys, const SeriesHeader& header,
                     QChar decimalSeparator) {
  CsvWriter csv(decimalSeparator);
  WriteHeader(csv, header);
  csv.Row({SeriesExport::tr("Nr."), SeriesExport::tr("Länge"), SeriesExport::tr("x"),
           SeriesExport::tr("y"), SeriesExport::tr("z"), SeriesExport::tr("Ende")});
  for (const JourneyRecord& j : journeys) {
    csv.Row({QString::number(j.number), QString::number(j.length), QString::number(j.x),
             QString::number(-j.y), QString::number(j.z), EndName(j.end)});
  }
  return csv.Bytes();
}

std::optional<QString> WriteWholeFile(const QString& path, const QByteArray& bytes) {
  QSaveFile file(path);
  if (!file.open(QIODevice::WriteOnly)) return file.errorString();
  if (file.write(bytes) != bytes.size()) {
    const QString reason = file.errorString();
    file.cancelWriting();
    return reason;
  }
  if (!file.commit()) return file.errorString();
  return std::nullopt;
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
