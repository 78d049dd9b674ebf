#include "figures/evaluation_charts.h"

#include <QAreaSeries>
#include <QChart>
#include <QChartView>
#include <QEvent>
#include <QFontMetrics>
#include <QGraphicsLayout>
#include <QHBoxLayout>
#include <QLegendMarker>
#include <QLineSeries>
#include <QLogValueAxis>
#include <QResizeEvent>
#include <QStackedLayout>
#include <QTabWidget>
#include <QValueAxis>

namespace quirlweg {
namespace {

// A chart's least size in lines of its text.
constexpr int kChartWidthInLines = 16;
constexpr int kChartHeightInLines = 11;
// Side by side each chart is at least this wide, so that its legend shows whole.
constexpr int kPairedChartWidthInLines = 24;

QValueAxis* AddAxis(QChart& chart, Qt::Alignment side, const QString& title) {
  auto* axis = new QValueAxis(&chart);
  axis->setTitleText(title);
  axis->setLabelFormat(QString::fromLatin1(AxisLabelFormat(ChartAxis{})));
  chart.addAxis(axis, side);
  return axis;
}

template <class Series>
Series* AddSeries(QChart& chart, Series* series, const QString& name, QColor color) {
  series->setName(name);
  series->setColor(color);
  chart.addSeries(series);
  for (QAbstractAxis* axis : chart.axes()) series->attachAxis(axis);
  return series;
}

// An axis as the chart figures give it, ticked at the multiples of its step.
void SetAxis(QValueAxis& axis, const ChartAxis& figures) {
  const QString format = QString::fromLatin1(AxisLabelFormat(figures));
  if (axis.labelFormat() != format) axis.setLabelFormat(format);
  if (axis.tickType() != QValueAxis::TicksDynamic) {
    axis.setTickInterval(figures.step);
    axis.setTickAnchor(0);
    axis.setTickType(QValueAxis::TicksDynamic);
  }
  // Each change lays the axis out anew: in this order no range is ticked finer than its step.
  const bool finer = figures.step < axis.tickInterval();
  if (!finer) axis.setTickInterval(figures.step);
  axis.setRange(figures.low, figures.high);
  if (finer) axis.setTickInterval(figures.step);
}

// A new title lays the chart out anew: only when it changes.
void SetTitle(QChart& chart, const QString& title) {
  if (chart.title() != title) chart.setTitle(title);
}

void ShowInLegend(QChart& chart, QAbstractSeries* series, bool shown) {
  bool changed = false;
  for (QLegendMarker* marker : chart.legend()->markers(series)) {
    changed |= marker->isVisible() != shown;
    marker->setVisible(shown);
  }
  // The legend does not lay its markers out again by itself: they would overlap.
  if (changed) chart.legend()->layout()->invalidate();
}

QChartView* MakeView(QChart* chart, const QString& accessibleName) {
  chart->legend()->setAlignment(Qt::AlignBottom);
  chart->setMargins(QMargins(4, 4, 4, 4));
  // Square corners without a rim: beside the table the chart needs every line of its height.
  chart->setBackgroundRoundness(0);
  chart->layout()->setContentsMargins(0, 0, 0, 0);
  auto* view = new QChartView(chart);
  view->setRenderHint(QPainter::Antialiasing);
  view->setAccessibleName(accessibleName);
  return view;
}

}  // namespace

void ShowChartTextsIn(QChart& chart, const QFont& font) {
  QFont title = font;
  title.setBold(true);
  chart.setTitleFont(title);
  chart.legend()->setFont(font);
  for (QAbstractAxis* axis : chart.axes()) {
    axis->setLabelsFont(font);
    axis->setTitleFont(font);
  }
}

EvaluationCharts::EvaluationCharts(QWidget* parent) : QWidget(parent) {
  BuildConvergenceChart();
  BuildLengthChart();
  pair_ = new QWidget(this);
  // Narrower than both charts side by side, the pair gives way to the tabs.
  pair_->setMinimumWidth(convergenceView_->minimumWidth());
  auto* pair = new QHBoxLayout(pair_);
  pair->setContentsMargins(0, 0, 0, 0);
  tabs_ = new QTabWidget(this);
  tabs_->setObjectName(QStringLiteral("tabDiagramme"));
  auto* layout = new QStackedLayout(this);
  layout->addWidget(pair_);
  layout->addWidget(tabs_);
  sideBySide_ = false;
  ShowSideBySide(true);
  ShowTextsInFont();
}

void EvaluationCharts::ShowSideBySide(bool sideBySide) {
  if (sideBySide == sideBySide_) return;
  sideBySide_ = sideBySide;
  auto* stack = static_cast<QStackedLayout*>(layout());
  if (sideBySide) {
    tabs_->clear();
    // The tabs left the chart behind the current one hidden, and moved, it would stay so.
    for (QChartView* view : {convergenceView_, lengthView_}) {
      pair_->layout()->addWidget(view);
      view->show();
    }
    stack->setCurrentWidget(pair_);
  } else {
    tabs_->addTab(convergenceView_, tr("Verlauf"));
    tabs_->addTab(lengthView_, tr("Weglängen"));
    stack->setCurrentWidget(tabs_);
  }
}

bool EvaluationCharts::RoomForTwo() const {
  return width() >= 2 * kPairedChartWidthInLines * QFontMetrics(font()).height() + 20;
}

void EvaluationCharts::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  ShowSideBySide(RoomForTwo());
}

// The charts' texts follow the window's font, which grows with the screen.
void EvaluationCharts::changeEvent(QEvent* event) {
  QWidget::changeEvent(event);
  if (event->type() == QEvent::FontChange) ShowTextsInFont();
}

void EvaluationCharts::ShowTextsInFont() {
  const QFont text = font();
  for (QChartView* view : {convergenceView_, lengthView_}) {
    ShowChartTextsIn(*view->chart(), text);
    // Room for the axis numbers and the legend in that font.
    const int em = QFontMetrics(text).height();
    view->setMinimumSize(kChartWidthInLines * em, kChartHeightInLines * em);
  }
  logJourneyAxis_->setLabelsFont(text);
  logJourneyAxis_->setTitleFont(text);
  pair_->setMinimumWidth(convergenceView_->minimumWidth());
  ShowSideBySide(RoomForTwo());
}

void EvaluationCharts::BuildConvergenceChart() {
  auto* chart = new QChart;
  journeyAxis_ = AddAxis(*chart, Qt::AlignBottom, tr("Reisen"));
  // Taken instead of the linear axis on request; it has no series until then.
  logJourneyAxis_ = new QLogValueAxis(chart);
  logJourneyAxis_->setTitleText(tr("Reisen"));
  logJourneyAxis_->setLabelFormat(QString::fromLatin1(AxisLabelFormat(ConvergenceAxes(1, true).x)));
  logJourneyAxis_->setBase(10);
  auto* shareAxis = AddAxis(*chart, Qt::AlignLeft, tr("Anteil in %"));
  SetAxis(*shareAxis, ConvergenceAxes(0, false).y);
  bandUpper_ = new QLineSeries(chart);
  bandLower_ = new QLineSeries(chart);
  band_ = AddSeries(*chart, new QAreaSeries(bandUpper_, bandLower_),
                    tr("exakt ± 1,96 Standardfehler"), QColor(255, 200, 120, 140));
  band_->setBorderColor(QColor(255, 160, 60));
  exactShare_ = AddSeries(*chart, new QLineSeries, tr("exakt"), QColor(200, 90, 0));
  measuredShare_ = AddSeries(*chart, new QLineSeries, tr("gemessen"), QColor(0, 70, 160));
  guessedShare_ = AddGuessSeries(*chart);
  convergenceView_ = MakeView(chart, tr("Verlauf des gemessenen Anteils"));
  convergenceView_->setToolTip(
      tr("Wie sich der gemessene Anteil mit jeder Reise dem exakten Wert nähert: Das Band zeigt, "
         "wo er in 19 von 20 Serien liegt."));
}

void EvaluationCharts::BuildLengthChart() {
  auto* chart = new QChart;
  chart->setTitle(tr("Weglängen"));
  lengthAxis_ = AddAxis(*chart, Qt::AlignBottom, tr("Länge in Schritten"));
  lengthShareAxis_ = AddAxis(*chart, Qt::AlignLeft, tr("Anteil in %"));
  histogram_ = new QLineSeries(chart);
  auto* bars =
      AddSeries(*chart, new QAreaSeries(histogram_), tr("gemessen"), QColor(120, 160, 220, 160));
  bars->setBorderColor(QColor(0, 70, 160));
  exactDistribution_ = AddSeries(*chart, new QLineSeries, tr("exakt"), QColor(200, 90, 0));
  exactMean_ = AddSeries(*chart, new QLineSeries, tr("exakter Mittelwert"), QColor(200, 90, 0));
  exactSpread_ = AddSeries(*chart, new QLineSeries, tr("Mittelwert ± Standardabweichung"),
                           QColor(120, 120, 120));
  guessedMean_ = AddGuessSeries(*chart);
  lengthView_ = MakeView(chart, tr("Verteilung der Weglängen"));
  lengthView_->setToolTip(
      tr("Wie oft Reisen welcher Länge vorkamen, neben der exakten "
         "Verteilung."));
}

void EvaluationCharts::SetLogarithmicJourneys(bool logarithmic) {
  if (logarithmic == logarithmic_) return;
  logarithmic_ = logarithmic;
  QChart& chart = *convergenceView_->chart();
  QAbstractAxis* shown = logarithmic ? static_cast<QAbstractAxis*>(logJourneyAxis_) : journeyAxis_;
  QAbstractAxis* hidden = logarithmic ? static_cast<QAbstractAxis*>(journeyAxis_) : logJourneyAxis_;
  chart.removeAxis(hidden);
  chart.addAxis(shown, Qt::AlignBottom);
  for (QAbstractSeries* series : chart.series()) series->attachAxis(shown);
}

// Dashed and green, apart from both the measured blue and the exact orange.
QLineSeries* EvaluationCharts::AddGuessSeries(QChart& chart) {
  auto* guess = AddSeries(chart, new QLineSeries, tr("Schätzung"), QColor(0, 130, 60));
  QPen pen = guess->pen();
  pen.setStyle(Qt::DashLine);
  pen.setWidthF(pen.widthF() * 1.5);
  guess->setPen(pen);
  return guess;
}

void EvaluationCharts::ShowConvergence(const JourneySeries& journeys, SeriesRow row,
                                       const QString& rowName, std::optional<double> exact,
                                       std::optional<double> guess) {
  const std::size_t n = journeys.size();
  QList<QPointF> measured;
  QList<QPointF> upper;
  QList<QPointF> lower;
  for (const CurvePoint& point : ConvergenceCurve(journeys, row, exact, logarithmic_)) {
    measured.append({point.journeys, point.share});
    if (point.low && point.high) {
      upper.append({point.journeys, *point.high});
      lower.append({point.journeys, *point.low});
    }
  }
  const ChartAxis journeyAxis = ConvergenceAxes(n, logarithmic_).x;
  measuredShare_->replace(measured);
  bandUpper_->replace(upper);
  bandLower_->replace(lower);
  exactShare_->replace(exact ? QList<QPointF>{{1, 100 * *exact}, {journeyAxis.high, 100 * *exact}}
                             : QList<QPointF>{});
  guessedShare_->replace(guess ? QList<QPointF>{{1, 100 * *guess}, {journeyAxis.high, 100 * *guess}}
                               : QList<QPointF>{});
  // Hidden for the class's guess or not yet computed, the exact value leaves the legend too.
  QChart& chart = *convergenceView_->chart();
  ShowInLegend(chart, exactShare_, exact.has_value());
  ShowInLegend(chart, band_, !upper.isEmpty());
  ShowInLegend(chart, guessedShare_, guess.has_value());
  if (logarithmic_) {
    logJourneyAxis_->setRange(journeyAxis.low, journeyAxis.high);
  } else {
    SetAxis(*journeyAxis_, journeyAxis);
  }
  SetTitle(*convergenceView_->chart(), tr("Anteil „%1“").arg(rowName));
}

void EvaluationCharts::ShowLengths(const JourneySeries& journeys,
                                   const std::optional<theory::JourneyStatistics>& exact,
                                   std::optional<double> guess) {
  const LengthClasses classes = ClassifyLengths(journeys, exact);
  const bool withDistribution = !classes.exact.empty();
  const auto width = static_cast<double>(classes.width);
  const std::size_t count = classes.measured.size();
  QList<QPointF> steps{{0, 0}};
  for (std::size_t c = 0; c < count; ++c) {
    const double from = static_cast<double>(c) * width;
    steps.append({from, classes.measured[c]});
    steps.append({from + width, classes.measured[c]});
  }
  steps.append({static_cast<double>(count) * width, 0});

  QList<QPointF> curve;
  for (std::size_t c = 0; c < classes.exact.size(); ++c)
    curve.append({(static_cast<double>(c) + 0.5) * width, classes.exact[c]});
  const ChartAxes axes = LengthAxes(classes);
  const double highest = axes.y.high;
  QList<QPointF> mean;
  QList<QPointF> spread;
  if (exact && !withDistribution) {
    mean = {{exact->meanLength, 0}, {exact->meanLength, highest}};
    const double low = exact->meanLength - exact->sdLength;
    const double high = exact->meanLength + exact->sdLength;
    // One series, two uprights: down the first, along the axis, up the second.
    spread = {{low, highest}, {low, 0}, {high, 0}, {high, highest}};
  }
  histogram_->replace(steps);
  exactDistribution_->replace(curve);
  exactMean_->replace(mean);
  exactSpread_->replace(spread);
  SetAxis(*lengthAxis_, axes.x);
  SetAxis(*lengthShareAxis_, axes.y);
  QChart& chart = *lengthView_->chart();
  ShowInLegend(chart, exactDistribution_, withDistribution);
  ShowInLegend(chart, exactMean_, !mean.isEmpty());
  ShowInLegend(chart, exactSpread_, !spread.isEmpty());
  guessedMean_->replace(guess ? QList<QPointF>{{*guess, 0}, {*guess, highest}} : QList<QPointF>{});
  ShowInLegend(chart, guessedMean_, guess.has_value());
  SetTitle(*lengthView_->chart(), tr("Weglängen (Klassenbreite %1)").arg(classes.width));
}

}  // namespace quirlweg
