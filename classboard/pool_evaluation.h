#pragma once

#include <QWidget>
#include <cstddef>

#include "series/journey_series.h"

namespace quirlweg {

class EvaluationCharts;
class ExactStatistics;
class SeriesTableView;

namespace classroom {
class Classroom;
}

// The class's pooled journeys as the evaluation shows a series: the table measured beside
// exact with the ranges and red marks, and the charts, the convergence over a logarithmic
// journey axis, on which the class's share closes in on the exact value like 1/√n.
class PoolEvaluation final : public QWidget {
  Q_OBJECT

 public:
  explicit PoolEvaluation(QWidget* parent);

  // Takes the journeys pooled since the last call; a new round starts the series over.
  void Follow(const classroom::Classroom& classroom);
  const JourneySeries& series() const { return series_; }
  const ExactStatistics& exact() const { return *exact_; }

 private:
  void Show();

  ExactStatistics* exact_;
  SeriesTableView* table_;
  EvaluationCharts* charts_;
  JourneySeries series_;
  int round_ = 0;
  std::size_t taken_ = 0;  // pooled journeys already in series_
};

}  // namespace quirlweg
