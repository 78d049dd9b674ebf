#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QString>
#include <cstdint>
#include <optional>
#include <vector>

#include "engine/display_roles.h"
#include "experiment/file_access.h"
#include "export/csv_writer.h"
#include "files/safe_file.h"
#include "series/journey_series.h"
#include "theory/journey_statistics.h"

class QImage;

namespace quirlweg {

class ExactStatistics;

// What a series export says about the series besides its journeys.
struct SeriesHeader {
  QDateTime when;
  theory::Setting setting;                         // the current one
  std::optional<theory::JourneyStatistics> exact;  // for `setting`, when known
  bool mixesSettings = false;
  std::optional<std::uint64_t> seed;  // the series' own, when it has one
};

// The series' CSV made journey by journey: a header block, then one row per journey with the
// end point as the protocol shows it (y upward). With ',' as decimal separator the fields are
// separated by ';', as German spreadsheets expect; otherwise by ','. UTF-8 with a byte order
// mark, so that spreadsheets read the umlauts.
class SeriesCsvStream {
 public:
  SeriesCsvStream(const SeriesHeader& header, QChar decimalSeparator);
  void Add(const JourneyRecord& journey);
  // What was made since the last call.
  QByteArray Take() { return csv_.Take(); }

 private:
  CsvWriter csv_;
  std::int64_t journeys_ = 0;
};

// The whole series as SeriesCsvStream makes it.
QByteArray SeriesCsv(const JourneySeries& journeys, const SeriesHeader& header,
                     QChar decimalSeparator);

// The series' CSV written to a file as it grows, numbers as the main window shows them, with
// WriteWholeFile's guarantee: nothing replaces the old file until Commit() succeeds. Each call
// returns the reason of a failure, ready to be shown.
class SeriesCsvFile {
 public:
  SeriesCsvFile(const QString& path, const SeriesHeader& header);
  std::optional<QString> Open();
  std::optional<QString> Add(const JourneyRecord& journey);
  std::optional<QString> Commit();

 private:
  static constexpr int kRowsPerWrite = 16384;
  std::optional<QString> WritePending();
  static std::optional<QString> Failed(const std::optional<FileFailure>& failure);

  AtomicFile file_;
  SeriesCsvStream csv_;
  int pending_ = 0;
};

// The series as "Daten speichern" writes it, with WriteWholeFile's guarantee: headed by the
// current setting and its exact values as far as known, numbers as the main window shows them.
std::optional<QString> SaveSeries(const QString& path, const JourneySeries& journeys,
                                  const ExactStatistics& exact,
                                  std::optional<std::uint64_t> seed = std::nullopt);

// The picture as PNG, with WriteWholeFile's guarantee.
std::optional<QString> WritePicture(const QString& path, const QImage& picture);

}  // namespace quirlweg
