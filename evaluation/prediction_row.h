#pragma once

#include <QWidget>

#include "series/series_summary.h"

class QCheckBox;
class QComboBox;
class QDoubleSpinBox;
class QPushButton;

namespace quirlweg {

class ExactStatistics;

// The class predicts before it sees: "Erst schätzen" hides every exact value and curve until
// "Exakt zeigen", and the class's guess for one row of the table is typed beside it (a share
// in per cent or a mean in steps). Both live in the exact statistics, which the table, the
// charts, the tooltips, the files and the report read.
class PredictionRow : public QWidget {
  Q_OBJECT

 public:
  PredictionRow(ExactStatistics& exact, QWidget* parent);

  // Offers the rows `dimension` shows and follows what a lesson or the user changed.
  void Refresh(int dimension);

 private:
  void TakeGuess();
  SeriesRow ChosenRow() const;
  void ShowUnitOfRow();
  void OfferRowsOf(int dimension);

  ExactStatistics& exact_;
  QCheckBox* first_ = nullptr;
  QPushButton* reveal_ = nullptr;
  QComboBox* row_ = nullptr;
  QDoubleSpinBox* value_ = nullptr;
  int offeredDimension_ = 0;
};

}  // namespace quirlweg
