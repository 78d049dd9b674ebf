#pragma once

#include <QString>
#include <QStringList>
#include <vector>

#include "series/series_summary.h"

namespace quirlweg {

class ExactStatistics;
class JourneySeries;

// The evaluation's table as text, for the report and the clipboard: per row its name, the
// count, the measured value, the 95 % range's two ends and the exact value, in the forms the
// evaluation window shows. Rows the setting cannot reach are left out.
struct SeriesTable {
  QStringList header;
  std::vector<QStringList> rows;
};

// A row's name, as the table, the charts and the report call it.
QString RowName(SeriesRow row);

// One plain sentence of what a row counts, for a pupil.
QString RowSentence(SeriesRow row);

// "Schätzung der Klasse: zu Hause 30,0 %".
QString GuessText(const ClassGuess& guess);

SeriesTable TableOf(const JourneySeries& journeys, const ExactStatistics& exact);

// Tab-separated lines, the header first, as a spreadsheet pastes them into cells.
QString TableTsv(const SeriesTable& table);

}  // namespace quirlweg
