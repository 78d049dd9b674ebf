#pragma once

#include <QString>
#include <cstdint>
#include <optional>

#include "experiment/file_access.h"
#include "files/safe_file.h"
#include "series/journey_series.h"
#include "series/series_csv.h"

class QImage;

namespace quirlweg {

class ExactStatistics;

// The words of the series' CSV in the program's language.
CsvWords SeriesCsvWords();

// The header of the series' CSV now, for the setting `exact` was asked for, with its values
// as far as known.
SeriesHeader SeriesHeaderNow(const ExactStatistics& exact, bool mixesSettings,
                             std::optional<std::uint64_t> seed);

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
