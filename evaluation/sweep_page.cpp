#include "evaluation/sweep_page.h"

#include <QChart>
#include <QChartView>
#include <QComboBox>
#include <QEvent>
#include <QGridLayout>
#include <QLabel>
#include <QLegendMarker>
#include <QLineSeries>
#include <QMetaObject>
#include <QProgressBar>
#include <QPushButton>
#include <QRandomGenerator>
#include <QScatterSeries>
#include <QSpinBox>
#include <QVBoxLayout>
#include <QValueAxis>
#include <algorithm>
#include <array>

#include "export/save_dialog.h"
#include "export/series_export.h"
#include "figures/evaluation_charts.h"
#include "figures/exact_statistics.h"
#include "figures/number_texts.h"

namespace quirlweg {
namespace {

// Okabe and Ito's colours, apart for every common colour-vision deficiency: one per curve.
const std::array<QColor, 4> kCurveColours{QColor(0, 114, 178), QColor(0, 114, 178),
                                          QColor(213, 94, 0), QColor(0, 158, 115)};

QString ChoiceName(SweepChoice choice) {
  switch (choice) {
    case SweepChoice::kRadius:
      return SweepPage::tr("Gittergröße R (2 bis 50)");
    case SweepChoice::kProbability:
      return SweepPage::tr("Wahrscheinlichkeit nach rechts (1D)");
    case SweepChoice::kStart:
      return SweepPage::tr("Start x");
    case SweepChoice::kDimensions:
      return SweepPage::tr("R in allen drei Dimensionen (Pólya)");
  }
  return {};
}

// A chooser whose width does not follow its longest entry, for a narrow window.
void NarrowChooser(QComboBox& chooser) {
  chooser.setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
  chooser.setMinimumContentsLength(10);
}

}  // namespace

SweepPage::SweepPage(const ExactStatistics& exact, QWidget* parent)
    : QWidget(parent), exact_(exact) {
  choiceChooser_ = new QComboBox(this);
  choiceChooser_->setObjectName(QStringLiteral("cboReihe"));
  for (int c = 0; c < kSweepChoiceCount; ++c) {
    choiceChooser_->addItem(ChoiceName(static_cast<SweepChoice>(c)), c);
  }
  choiceChooser_->setAccessibleName(tr("Was die Versuchsreihe ändert"));
  choiceChooser_->setToolTip(
      tr("Die übrigen Einstellungen wie im Hauptfenster. Die Wahrscheinlichkeit ändert nur den "
         "Weg auf der Linie; Pólyas Reihe startet im Ursprung mit absorbierendem Heimkreis."));
  auto* choiceLabel = new QLabel(tr("&Parameter:"), this);
  choiceLabel->setBuddy(choiceChooser_);

  quantityChooser_ = new QComboBox(this);
  quantityChooser_->setObjectName(QStringLiteral("cboReiheWert"));
  quantityChooser_->addItem(QuantityName(SweepQuantity::kHome));
  quantityChooser_->addItem(QuantityName(SweepQuantity::kMeanLength));
  quantityChooser_->setAccessibleName(tr("Was die Versuchsreihe misst"));
  auto* quantityLabel = new QLabel(tr("&Messen:"), this);
  quantityLabel->setBuddy(quantityChooser_);

  perPointBox_ = new QSpinBox(this);
  perPointBox_->setObjectName(QStringLiteral("txtReisenJePunkt"));
  perPointBox_->setRange(10, 1'000'000);
  perPointBox_->setValue(1000);
  perPointBox_->setSingleStep(100);
  perPointBox_->setAccessibleName(tr("Reisen je Punkt"));
  auto* perPointLabel = new QLabel(tr("Reisen &je Punkt:"), this);
  perPointLabel->setBuddy(perPointBox_);

  startButton_ = new QPushButton(tr("&Versuchsreihe starten"), this);
  startButton_->setObjectName(QStringLiteral("cmdReiheStarten"));
  saveButton_ = new QPushButton(tr("Tabe&lle speichern …"), this);
  saveButton_->setObjectName(QStringLiteral("cmdReiheSpeichern"));
  saveButton_->setEnabled(false);
  progress_ = new QProgressBar(this);
  progress_->setObjectName(QStringLiteral("prgReihe"));
  progress_->setRange(0, 1000);
  progress_->setValue(0);
  progress_->setAccessibleName(tr("Fortschritt der Versuchsreihe"));
  status_ = new QLabel(this);
  status_->setObjectName(QStringLiteral("lblReihe"));
  status_->setWordWrap(true);

  chart_ = new QChart;
  chart_->legend()->setAlignment(Qt::AlignBottom);
  chart_->setMargins(QMargins(4, 4, 4, 4));
  auto* view = new QChartView(chart_, this);
  view->setRenderHint(QPainter::Antialiasing);
  view->setAccessibleName(tr("Versuchsreihe: gemessen und exakt"));
  view->setMinimumSize(200, 200);

  auto* grid = new QGridLayout;
  grid->addWidget(choiceLabel, 0, 0);
  grid->addWidget(choiceChooser_, 0, 1);
  grid->addWidget(quantityLabel, 1, 0);
  grid->addWidget(quantityChooser_, 1, 1);
  grid->addWidget(perPointLabel, 2, 0);
  grid->addWidget(perPointBox_, 2, 1);
  grid->setColumnStretch(1, 1);
  // The start button beside the progress it starts, the saving under the chart: the page
  // stays narrow enough to stand beside the main window on a small screen.
  auto* run = new QHBoxLayout;
  run->addWidget(startButton_);
  run->addWidget(progress_, 1);
  auto* saving = new QHBoxLayout;
  saving->addWidget(saveButton_);
  saving->addStretch();
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(grid);
  layout->addLayout(run);
  layout->addWidget(status_);
  layout->addWidget(view, 1);
  auto* note = new QLabel(
      tr("Linie: exakter Wert; Punkt mit Strich: gemessener Wert mit seinem 95-%-Bereich. In "
         "der Ebene kommt der Wanderer fast sicher heim, wenn der Rand nur weit genug weg ist; "
         "der Anteil wächst aber so langsam, dass die Kurve bei R = 50 erst bei etwa 72 % "
         "endet und danach weiter auf 100 % zu kriecht."),
      this);
  note->setWordWrap(true);
  layout->addWidget(note);
  layout->addLayout(saving);
  for (QComboBox* chooser : {choiceChooser_, quantityChooser_}) NarrowChooser(*chooser);

  connect(startButton_, &QPushButton::clicked, this, [this] { StartOrCancel(); });
  connect(saveButton_, &QPushButton::clicked, this, [this] { SaveTable(); });
  connect(quantityChooser_, &QComboBox::currentIndexChanged, this, [this] {
    // The table holds one quantity: another needs a new sweep.
    if (table_ && static_cast<int>(table_->quantity) != quantityChooser_->currentIndex()) {
      status_->setText(tr("Für die andere Messgröße die Versuchsreihe neu starten."));
    }
  });
}

SweepPage::~SweepPage() = default;

void SweepPage::StartOrCancel() {
  if (!running_) {
    Start();
    return;
  }
  // The workers finish the chunks under way, milliseconds each, and report back; until then
  // the button waits, so that no second sweep shares the cores with the first.
  runner_.request_stop();
  startButton_->setEnabled(false);
  status_->setText(tr("Wird abgebrochen …"));
}

void SweepPage::Start() {
  const auto choice = static_cast<SweepChoice>(choiceChooser_->currentData().toInt());
  const auto quantity = static_cast<SweepQuantity>(quantityChooser_->currentIndex());
  const std::vector<theory::Setting> points = SweepChoicePoints(exact_.setting(), choice);
  SweepRun sweep;
  sweep.journeysPerPoint = perPointBox_->value();
  sweep.threads = static_cast<int>(std::max(1U, std::thread::hardware_concurrency()));
  sweep.seed = QRandomGenerator::global()->generate64();
  table_.reset();
  ShowTable();
  saveButton_->setEnabled(false);
  running_ = true;
  const std::uint64_t run = ++run_;
  startButton_->setText(tr("Abbre&chen"));
  status_->setText(tr("%1 Punkte, %2 Reisen je Punkt auf %3 Kernen …")
                       .arg(points.size())
                       .arg(sweep.journeysPerPoint)
                       .arg(sweep.threads));
  clock_.start();
  // The old runner, if any, was told to stop; it is joined here, at most a few milliseconds.
  runner_ = std::jthread([this, run, points, sweep, choice, quantity](std::stop_token stop) {
    const theory::Cancellation cancel([stop] { return stop.stop_requested(); });
    std::optional<Outcome> outcome;
    auto exact = ExactSweep(points, cancel);
    if (exact) {
      auto measured = MeasureSweep(
          points, sweep,
          [this, run](std::int64_t done, std::int64_t total) {
            QMetaObject::invokeMethod(
                this, [this, run, done, total] { Progress(run, done, total); },
                Qt::QueuedConnection);
          },
          cancel);
      if (measured) {
        outcome = Outcome{choice, quantity, points, *std::move(measured), *std::move(exact)};
      }
    }
    QMetaObject::invokeMethod(
        this, [this, run, o = std::move(outcome)]() mutable { Deliver(run, std::move(o)); },
        Qt::QueuedConnection);
  });
}

void SweepPage::Progress(std::uint64_t run, std::int64_t done, std::int64_t total) {
  if (run != run_ || total <= 0) return;
  progress_->setValue(static_cast<int>(1000 * done / total));
}

void SweepPage::Deliver(std::uint64_t run, std::optional<Outcome> outcome) {
  if (run != run_) return;
  running_ = false;
  startButton_->setText(tr("&Versuchsreihe starten"));
  startButton_->setEnabled(true);
  if (!outcome) {
    table_.reset();
    progress_->setValue(0);
    status_->setText(tr("Abgebrochen."));
    emit Finished(false);
    return;
  }
  table_ = TableOf(outcome->choice, outcome->quantity, outcome->points, outcome->measured,
                   outcome->exact);
  progress_->setValue(progress_->maximum());
  std::int64_t journeys = 0;
  for (const MeasuredPoint& m : outcome->measured) journeys += m.journeys;
  status_->setText(tr("%1 Punkte, %2 Reisen in %3 s.")
                       .arg(outcome->points.size())
                       .arg(journeys)
                       .arg(DisplayLocale().toString(clock_.elapsed() / 1000.0, 'f', 1)));
  ShowTable();
  saveButton_->setEnabled(true);
  emit Finished(true);
}

// The chart's texts follow the page's font, which grows with the screen.
void SweepPage::changeEvent(QEvent* event) {
  QWidget::changeEvent(event);
  if (event->type() == QEvent::FontChange && chart_ != nullptr) ShowChartTextsIn(*chart_, font());
}

void SweepPage::ShowTable() {
  chart_->removeAllSeries();
  for (QAbstractAxis* axis : chart_->axes()) {
    chart_->removeAxis(axis);
    delete axis;
  }
  if (!table_ || table_->rows.empty()) {
    chart_->setTitle(QString());
    return;
  }
  const SweepTable& table = *table_;
  auto* x = new QValueAxis(chart_);
  x->setTitleText(ParameterName(table.choice));
  x->setLabelFormat(QStringLiteral("%g"));
  auto* y = new QValueAxis(chart_);
  y->setTitleText(table.quantity == SweepQuantity::kHome
                      ? tr("%1 (%)").arg(QuantityName(table.quantity))
                      : QuantityName(table.quantity));
  y->setLabelFormat(QStringLiteral("%g"));
  chart_->addAxis(x, Qt::AlignBottom);
  chart_->addAxis(y, Qt::AlignLeft);
  ShowChartTextsIn(*chart_, font());
  const auto add = [&](QAbstractSeries* series, bool inLegend) {
    chart_->addSeries(series);
    series->attachAxis(x);
    series->attachAxis(y);
    for (QLegendMarker* marker : chart_->legend()->markers(series)) marker->setVisible(inLegend);
  };

  double low = 0;
  double high = 0;
  double first = table.rows.front().parameter;
  double last = first;
  for (const int curve : {0, 1, 2, 3}) {
    const QColor colour = kCurveColours[static_cast<std::size_t>(curve)];
    auto* exact = new QLineSeries(chart_);
    auto* measured = new QScatterSeries(chart_);
    measured->setMarkerSize(6);
    measured->setColor(colour);
    measured->setBorderColor(colour);
    QPen pen(colour, 2);
    exact->setPen(pen);
    bool any = false;
    for (const SweepRow& r : table.rows) {
      if (r.curve != curve) continue;
      any = true;
      exact->append(r.parameter, SweepChartValue(table, r.exact));
      measured->append(r.parameter, SweepChartValue(table, r.measured));
      // The range as an upright bar of its own, kept out of the legend.
      auto* bar = new QLineSeries(chart_);
      bar->setPen(QPen(colour, 1));
      bar->append(r.parameter, SweepChartValue(table, r.low));
      bar->append(r.parameter, SweepChartValue(table, r.high));
      add(bar, false);
      low = std::min(low, SweepChartValue(table, r.low));
      high = std::max({high, SweepChartValue(table, r.high), SweepChartValue(table, r.exact)});
      first = std::min(first, r.parameter);
      last = std::max(last, r.parameter);
    }
    if (!any) {
      delete exact;
      delete measured;
      continue;
    }
    // One legend entry a curve; the note under the chart tells line from points.
    measured->setName(curve == 0 ? tr("gemessen") : tr("%1D").arg(curve));
    add(exact, false);
    add(measured, true);
  }
  x->setRange(first, last > first ? last : first + 1);
  if (table.quantity == SweepQuantity::kHome) {
    y->setRange(0, 100);
    y->setTickCount(6);
  } else {
    y->setRange(low, high > low ? high * 1.05 : low + 1);
    y->applyNiceNumbers();
  }
  chart_->setTitle(tr("%1 über %2").arg(QuantityName(table.quantity), ParameterName(table.choice)));
}

void SweepPage::SaveTable() {
  if (!table_) return;
  const QString path =
      AskWhereToSave(this, tr("Tabelle speichern"), tr("quirlweg-versuchsreihe.csv"),
                     tr("CSV-Dateien (*.csv)"), QStringLiteral("csv"));
  if (path.isEmpty()) return;
  const QByteArray bytes = SweepCsv(*table_, DisplayDecimalPoint());
  if (const auto error = WriteWholeFile(path, bytes)) {
    WarnNotSaved(this, tr("Die Tabelle konnte nicht in „%1“ gespeichert werden:\n%2"), path,
                 *error);
  }
}

}  // namespace quirlweg
