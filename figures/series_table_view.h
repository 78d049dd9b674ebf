#pragma once

#include <QTableWidget>

#include "series/series_summary.h"

namespace quirlweg {

class ExactStatistics;
class JourneySeries;

// The table of a series measured beside exact, as the evaluation window and the class's board
// show it: per row the count, the measured value, its 95 % range and the exact value, a row
// whose exact value lies outside its range red and marked. Rows the setting cannot reach are
// hidden; the table is as high as its rows and never scrolls up or down.
class SeriesTableView final : public QTableWidget {
  Q_OBJECT

 public:
  explicit SeriesTableView(QWidget* parent);

  // Fills the table with `journeys` against `exact`'s values for its setting.
  void Show(const SeriesSummary& summary, const JourneySeries& journeys,
            const ExactStatistics& exact);

 private:
  void FitHeight();
  void ShowRow(const SeriesSummary& summary, SeriesRow row, const JourneySeries& journeys,
               const ExactStatistics& exact);
};

}  // namespace quirlweg
