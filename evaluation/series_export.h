#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QString>
#include <cstdint>
#include <optional>
#include <vector>

#include "engine/display_roles.h"
#include "theory/journey_statistics.h"
#include "window/journey_series.h"

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

// The series as CSV for a spreadsheet: a header block, then one row per journey with the end
// point as the protocol shows it (y upward). With ',' as decimal separator the fields are
// separated by ';', as German spreadsheets expect; otherwise by ','. UTF-8 with a byte order
// mark, so that spreadsheets read the umlauts.
QByteArray SeriesCsv(const JourneySeries& journeys, const SeriesHeader& header,
                     QChar decimalSeparator);

// Writes all of `bytes` or nothing: the old file stays as it was when anything fails. Returns
// the reason of a failure, ready to be shown.
std::optional<QString> WriteWholeFile(const QString& path, const QByteArray& bytes);

// The series as "Daten speichern" writes it, with WriteWholeFile's guarantee: headed by the
// current setting and its exact values as far as known, numbers as the main window shows them.
std::optional<QString> SaveSeries(const QString& path, const JourneySeries& journeys,
                                  const ExactStatistics& exact,
                                  std::optional<std::uint64_t> seed = std::nullopt);

// The picture as PNG, with WriteWholeFile's guarantee.
std::optional<QString> WritePicture(const QString& path, const QImage& picture);

}  // namespace quirlweg
