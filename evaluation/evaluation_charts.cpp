#include "evaluation/evaluation_charts.h"

#include <QAreaSeries>
#include <QChart>
#include <QChartView>
#include <QHBoxLayout>
#include <QLegendMarker>
#include <QLineSeries>
#include <QLogValueAxis>
#include <QResizeEvent>
#include <QStackedLayout>
#include <QTabWidget>
#include <QValueAxis>
#include <algorithm>
#include <array>
#include <cmath>

namespace quirlweg {
namespace {

constexpr double kZ = 1.96;
// Enough points for a smooth curve; more only cost drawing time while a run goes on.
constexpr std::size_t kMostPoints = 300;
constexpr int kLengthClasses = 40;

QValueAxis* AddAxis(QChart& chart, Qt::Alignment side, const QString& title) {
  auto* axis = new QValueAxis(&chart);
  axis->setTitleText(title);
  axis->setLabelFormat(QStringLiteral("%g"));
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

// A new title lays the chart out anew: only when it changes.
void SetTitle(QChart& chart, const QString& title) {
  if (chart.title() != title) chart.setTitle(title);
}

void ShowInLegend(QChart& chart, QAbstractSeries* series, bool shown) {
  for (QLegendMarker* marker : chart.legend()->markers(series)) marker->setVisible(shown);
}

QChartView* MakeView(QChart* chart, const QString& accessibleName) {
  chart->legend()->setAlignment(Qt::AlignBottom);
  chart->setMargins(QMargins(4, 4, 4, 4));
  auto* view = new QChartView(chart);
  view->setRenderHint(QPainter::Antialiasing);
  view->setAccessibleName(accessibleName);
  view->setMinimumSize(200, 200);
  return view;
}

// After which journeys the convergence curve has a point: evenly spread, or evenly on a
// logarithmic axis; at most about kMostPoints of them, the last journey always.
std::vector<std::size_t> CurvePoints(std::size_t journeys, bool logarithmic) {
  std::vector<std::size_t> points;
  if (journeys == 0) return points;
  if (!logarithmic) {
    const std::size_t stride = std::max<std::size_t>(1, (journeys + kMostPoints - 1) / kMostPoints);
    for (std::size_t k = stride; k < journeys; k += stride) points.push_back(k);
  } else {
    const double last = std::log(static_cast<double>(journeys));
    for (std::size_t i = 0; i < kMostPoints; ++i) {
      const auto k =
          static_cast<std::size_t>(std::exp(last * static_cast<double>(i) / kMostPoints));
      if (k >= 1 && k < journeys && (points.empty() || k > points.back())) points.push_back(k);
    }
  }
  points.push_back(journeys);
  return points;
}

// The class width: about kLengthClasses classes up to `longest`, even above 1, so that every
// class holds as many odd as even lengths (on the lattice one of the two may be impossible).
std::int64_t ClassWidth(std::int64_t longest) {
  std::int64_t width = std::max<std::int64_t>(1, (longest + kLengthClasses - 1) / kLengthClasses);
  if (width > 1 && width % 2 == 1) ++width;
  return width;
}

// The length below which `coverage` of the exact distribution lies.
std::int64_t ExactQuantile(const std::vector<double>& distribution, double coverage) {
  double covered = 0;
  for (std::size_t n = 0; n < distribution.size(); ++n) {
    covered += distribution[n];
    if (covered >= coverage) return static_cast<std::int64_t>(n);
  }
  return static_cast<std::int64_t>(distribution.size());
}

}  // namespace

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
}

void EvaluationCharts::ShowSideBySide(bool sideBySide) {
  if (sideBySide == sideBySide_) return;
  sideBySide_ = sideBySide;
  auto* stack = static_cast<QStackedLayout*>(layout());
  if (sideBySide) {
    tabs_->clear();
    pair_->layout()->addWidget(convergenceView_);
    pair_->layout()->addWidget(lengthView_);
    stack->setCurrentWidget(pair_);
  } else {
    tabs_->addTab(convergenceView_, tr("Verlauf"));
    tabs_->addTab(lengthView_, tr("Weglängen"));
    stack->setCurrentWidget(tabs_);
  }
}

void EvaluationCharts::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  ShowSideBySide(width() >= 2 * convergenceView_->minimumWidth() + 20);
}

void EvaluationCharts::BuildConvergenceChart() {
  auto* chart = new QChart;
  journeyAxis_ = AddAxis(*chart, Qt::AlignBottom, tr("Reisen"));
  journeyAxis_->setLabelFormat(QStringLiteral("%.0f"));
  // Taken instead of the linear axis on request; it has no series until then.
  logJourneyAxis_ = new QLogValueAxis(chart);
  logJourneyAxis_->setTitleText(tr("Reisen"));
  logJourneyAxis_->setLabelFormat(QStringLiteral("%g"));
  logJourneyAxis_->setBase(10);
  auto* shareAxis = AddAxis(*chart, Qt::AlignLeft, tr("Anteil in %"));
  shareAxis->setRange(0, 100);
  bandUpper_ = new QLineSeries(chart);
  bandLower_ = new QLineSeries(chart);
  auto* band = AddSeries(*chart, new QAreaSeries(bandUpper_, bandLower_),
                         tr("exakt ± 1,96 Standardfehler"), QColor(255, 200, 120, 140));
  band->setBorderColor(QColor(255, 160, 60));
  exactShare_ = AddSeries(*chart, new QLineSeries, tr("exakt"), QColor(200, 90, 0));
  measuredShare_ = AddSeries(*chart, new QLineSeries, tr("gemessen"), QColor(0, 70, 160));
  convergenceView_ = MakeView(chart, tr("Verlauf des gemessenen Anteils"));
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
  lengthView_ = MakeView(chart, tr("Verteilung der Weglängen"));
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

void EvaluationCharts::ShowConvergence(const JourneySeries& journeys, SeriesRow row,
                                       const QString& rowName, std::optional<double> exact) {
  const std::size_t n = journeys.size();
  QList<QPointF> measured;
  QList<QPointF> upper;
  QList<QPointF> lower;
  std::array<bool, 6> hit{};  // by JourneyEnd
  for (std::size_t e = 0; e < hit.size(); ++e) hit[e] = EndsIn(static_cast<JourneyEnd>(e), row);
  std::int64_t hits = 0;
  std::size_t from = 0;
  for (const std::size_t to : CurvePoints(n, logarithmic_)) {
    // Up to the next point of the curve in one tight loop: a million journeys take a few ms.
    for (std::size_t i = from; i < to; ++i) {
      hits += hit[static_cast<std::size_t>(journeys.EndAt(i))];
    }
    from = to;
    const auto x = static_cast<double>(to);
    measured.append({x, 100.0 * static_cast<double>(hits) / x});
    if (exact) {
      const double halfWidth = kZ * std::sqrt(*exact * (1 - *exact) / x);
      upper.append({x, 100 * std::min(1.0, *exact + halfWidth)});
      lower.append({x, 100 * std::max(0.0, *exact - halfWidth)});
    }
  }
  const double lastJourney = std::max<double>(10, static_cast<double>(n));
  measuredShare_->replace(measured);
  bandUpper_->replace(upper);
  bandLower_->replace(lower);
  exactShare_->replace(exact ? QList<QPointF>{{1, 100 * *exact}, {lastJourney, 100 * *exact}}
                             : QList<QPointF>{});
  if (logarithmic_) {
    logJourneyAxis_->setRange(1, lastJourney);
  } else {
    journeyAxis_->setRange(0, lastJourney);
    journeyAxis_->applyNiceNumbers();
  }
  SetTitle(*convergenceView_->chart(), tr("Anteil „%1“").arg(rowName));
}

void EvaluationCharts::ShowLengths(const JourneySeries& journeys,
                                   const std::optional<theory::JourneyStatistics>& exact) {
  std::int64_t longest = std::max<std::int64_t>(10, journeys.Longest());
  const bool withDistribution = exact && !exact->lengthDistribution.empty();
  if (withDistribution) {
    longest = std::max(longest, ExactQuantile(exact->lengthDistribution, 0.995));
  } else if (exact) {
    longest = std::max(longest, static_cast<std::int64_t>(exact->meanLength + 2 * exact->sdLength));
  }
  const std::int64_t width = ClassWidth(longest);
  const auto classes = static_cast<std::size_t>(longest / width + 1);

  std::vector<double> measured(classes, 0.0);
  const double share = journeys.empty() ? 0.0 : 100.0 / static_cast<double>(journeys.size());
  const auto& counts = journeys.LengthCounts();
  for (std::size_t n = 0; n < counts.size(); ++n) {
    measured[n / static_cast<std::size_t>(width)] += share * static_cast<double>(counts[n]);
  }
  QList<QPointF> steps{{0, 0}};
  double highest = 1;
  for (std::size_t c = 0; c < classes; ++c) {
    const auto from = static_cast<double>(c) * width;
    steps.append({from, measured[c]});
    steps.append({from + width, measured[c]});
    highest = std::max(highest, measured[c]);
  }
  steps.append({static_cast<double>(classes * width), 0});

  QList<QPointF> curve;
  if (withDistribution) {
    std::vector<double> expected(classes, 0.0);
    const auto& p = exact->lengthDistribution;
    for (std::size_t n = 0; n < p.size() && n / width < classes; ++n) {
      expected[n / width] += 100 * p[n];
    }
    for (std::size_t c = 0; c < classes; ++c) {
      curve.append({(static_cast<double>(c) + 0.5) * width, expected[c]});
      highest = std::max(highest, expected[c]);
    }
  }
  highest *= 1.1;
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
  lengthAxis_->setRange(0, static_cast<double>(classes * width));
  lengthAxis_->applyNiceNumbers();
  lengthShareAxis_->setRange(0, highest);
  lengthShareAxis_->applyNiceNumbers();
  QChart& chart = *lengthView_->chart();
  ShowInLegend(chart, exactDistribution_, withDistribution);
  ShowInLegend(chart, exactMean_, !mean.isEmpty());
  ShowInLegend(chart, exactSpread_, !spread.isEmpty());
  SetTitle(*lengthView_->chart(), tr("Weglängen (Klassenbreite %1)").arg(width));
}

}  // namespace quirlweg
