#pragma once

#include <QWidget>
#include <optional>
#include <vector>

#include "engine/display_roles.h"
#include "series/chart_figures.h"
#include "series/journey_series.h"
#include "series/series_summary.h"
#include "theory/journey_statistics.h"

class QAreaSeries;
class QChart;
class QChartView;
class QTabWidget;
class QLabel;
class QLineSeries;
class QLogValueAxis;
class QValueAxis;

namespace quirlweg {

// The chart's title (bold), legend and axes in `font`: on a projector the axis numbers must be
// as readable as the table beside them.
void ShowChartTextsIn(QChart& chart, const QFont& font);

// The evaluation's two charts: how the measured share of one row settles towards the exact
// value, and the measured journey lengths against the exact distribution. Side by side where
// there is room for both, else taking turns on two tabs, the convergence first.
class EvaluationCharts : public QWidget {
  Q_OBJECT

 public:
  explicit EvaluationCharts(QWidget* parent = nullptr);

  // The convergence chart's journey axis logarithmic or linear.
  void SetLogarithmicJourneys(bool logarithmic);
  // The share of `row` after each journey, the exact value and its band of 1.96 standard
  // errors for that many journeys, and the class's guess.
  void ShowConvergence(const JourneySeries& journeys, SeriesRow row, const QString& rowName,
                       std::optional<double> exact, std::optional<double> guess = {});
  // A histogram of the lengths with the exact distribution over the same classes, or the
  // exact mean and mean ± SD where the distribution was not computed; the class's guess of
  // the mean as an upright.
  void ShowLengths(const JourneySeries& journeys,
                   const std::optional<theory::JourneyStatistics>& exact,
                   std::optional<double> guess = {});

 protected:
  void resizeEvent(QResizeEvent* event) override;
  void changeEvent(QEvent* event) override;

 private:
  void BuildConvergenceChart();
  void ShowSideBySide(bool sideBySide);
  bool RoomForTwo() const;
  void BuildLengthChart();
  QLineSeries* AddGuessSeries(QChart& chart);
  void ShowTextsInFont();

  QChartView* convergenceView_ = nullptr;
  QLineSeries* measuredShare_ = nullptr;
  QLineSeries* exactShare_ = nullptr;
  QLineSeries* bandUpper_ = nullptr;
  QLineSeries* bandLower_ = nullptr;
  QAreaSeries* band_ = nullptr;
  QLineSeries* guessedShare_ = nullptr;
  QValueAxis* journeyAxis_ = nullptr;
  QLogValueAxis* logJourneyAxis_ = nullptr;
  bool logarithmic_ = false;

  QChartView* lengthView_ = nullptr;
  QLineSeries* histogram_ = nullptr;
  QLineSeries* exactDistribution_ = nullptr;
  QLineSeries* exactMean_ = nullptr;
  QLineSeries* exactSpread_ = nullptr;  // mean - SD and mean + SD, drawn as two uprights
  QLineSeries* guessedMean_ = nullptr;
  QValueAxis* lengthAxis_ = nullptr;
  QValueAxis* lengthShareAxis_ = nullptr;

  QTabWidget* tabs_ = nullptr;
  QWidget* pair_ = nullptr;
  bool sideBySide_ = true;
};

}  // namespace quirlweg
