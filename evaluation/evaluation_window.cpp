#include "evaluation/evaluation_window.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QTabWidget>
#include <QTableWidget>
#include <QVBoxLayout>
#include <algorithm>

#include "classboard/class_board.h"
#include "display/picture_area.h"
#include "engine/walk.h"
#include "evaluation/button_rows.h"
#include "evaluation/exit_places_page.h"
#include "evaluation/prediction_row.h"
#include "evaluation/start_map_page.h"
#include "evaluation/sweep_page.h"
#include "evaluation/two_way_row.h"
#include "export/lesson_tools.h"
#include "export/report_tools.h"
#include "export/save_dialog.h"
#include "export/series_export.h"
#include "figures/evaluation_charts.h"
#include "figures/exact_statistics.h"
#include "figures/number_texts.h"
#include "figures/series_table.h"
#include "layout/lesson_layout.h"
#include "series/series_summary.h"
#include "window/simulation.h"

namespace quirlweg {
namespace {

// Between two refreshes at least this many times as long as the last one took, so that a run
// going on between clicks loses a few per cent at most to the window.
constexpr int kQuietFactor = 30;
enum Column { kCounted, kMeasured, kRange, kExact, kColumnCount };
const QColor kMarked(255, 190, 190);

// Item texts are set only when they change: an unchanged table then costs nothing to redraw.
void SetText(QTableWidgetItem& item, const QString& text) {
  if (item.text() != text) item.setText(text);
}

// Cut to two decimals by the main window's own rule, so that both show the same digits.
QString MeasuredText(SeriesRow row, const RowEstimate& estimate, const JourneySeries& journeys) {
  const auto n = static_cast<int>(journeys.size());
  if (row != SeriesRow::MeanLength)
    return PercentText(ShareOf(*estimate.count, n - *estimate.count) / 100);
  return LengthText(MeanLength(journeys.LengthSum(), n));
}

// A long row name of several words takes two lines, so that the columns of figures keep the
// width: beside the main window all of them fit without scrolling sideways.
QString TwoLinesIfLong(QString name) {
  constexpr int kLongName = 12;
  const auto space = name.lastIndexOf(QLatin1Char(' '));
  if (name.size() > kLongName && space > 0) name[space] = QLatin1Char('\n');
  return name;
}

}  // namespace

EvaluationWindow::EvaluationWindow(const Simulation& simulation, ExactStatistics& exact,
                                   PictureArea& latticeView, QWidget* parent)
    : QWidget(parent, Qt::Window),
      simulation_(simulation),
      exact_(exact),
      latticeView_(latticeView) {
  setObjectName(QStringLiteral("frmAuswertung"));
  setWindowTitle(tr("Auswertung – Quirlweg"));
  setAccessibleName(tr("Auswertung"));
  BuildTable();

  auto* rangeNote = new QLabel(
      tr("Rot und mit ✗ markiert: Der exakte Wert liegt außerhalb des 95-%-Bereichs um den "
         "gemessenen Wert. Stimmt alles, liegt er in mindestens 19 von 20 Serien darin, ob die "
         "Serie kurz ist oder lang; eine rote Zeile ist also ein Hinweis, kein Beweis. Der "
         "Bereich der mittleren Weglänge fehlt, bis die exakten Werte berechnet sind."),
      this);
  rangeNote->setWordWrap(true);
  mixNote_ =
      new QLabel(tr("Die Serie mischt Einstellungen – Zähler löschen für einen Vergleich"), this);
  mixNote_->setObjectName(QStringLiteral("lblMischung"));
  mixNote_->setWordWrap(true);
  mixNote_->setStyleSheet(QStringLiteral("QLabel { color: #a00000; font-weight: bold; }"));
  mixNote_->hide();

  sideChooser_ = new QComboBox(this);
  sideChooser_->setObjectName(QStringLiteral("cboRandseite"));
  sideChooser_->setAccessibleName(tr("Randseite für den Verlauf"));
  auto* sideLabel = new QLabel(tr("&Verlauf am Rand:"), this);
  sideLabel->setBuddy(sideChooser_);
  connect(sideChooser_, &QComboBox::currentIndexChanged, this, [this] { Refresh(); });
  logAxisBox_ = new QCheckBox(tr("&Logarithmisch"), this);
  logAxisBox_->setObjectName(QStringLiteral("chkLogarithmisch"));
  logAxisBox_->setToolTip(tr("Die Reisen logarithmisch: der Bereich wird wie 1/√n schmaler"));
  connect(logAxisBox_, &QCheckBox::toggled, this, [this](bool on) {
    charts_->SetLogarithmicJourneys(on);
    Refresh();
  });
  auto* side = new QWidget(this);
  auto* sideRow = new QHBoxLayout(side);
  sideRow->setContentsMargins(0, 0, 0, 0);
  sideRow->addWidget(sideLabel);
  sideRow->addWidget(sideChooser_);

  charts_ = new EvaluationCharts(this);
  besideBox_ = new QCheckBox(tr("&Neben dem Hauptfenster"), this);
  besideBox_->setObjectName(QStringLiteral("chkDaneben"));
  besideBox_->setChecked(true);
  besideBox_->setToolTip(
      tr("Stellt die Auswertung neben das Hauptfenster; ohne Haken lässt sie sich frei "
         "verschieben, etwa auf einen zweiten Bildschirm"));
  connect(besideBox_, &QCheckBox::toggled, this, &EvaluationWindow::BesideChanged);

  // The series first; the exact values across starts, boundary cells and settings beside it.
  auto* seriesPage = new QWidget(this);
  auto* seriesLayout = new QVBoxLayout(seriesPage);
  seriesLayout->setContentsMargins(4, 4, 4, 4);
  seriesLayout->addWidget(table_);
  seriesLayout->addWidget(rangeNote);
  prediction_ = new PredictionRow(exact_, this);
  seriesLayout->addWidget(prediction_);
  seriesLayout->addWidget(mixNote_);
  // On one row where the window is wide enough: the chart below needs the height.
  seriesLayout->addWidget(new TwoWayRow(side, logAxisBox_, this));
  seriesLayout->addWidget(charts_, 1);
  pages_ = new QTabWidget(this);
  pages_->setObjectName(QStringLiteral("tabAuswertung"));
  pages_->addTab(seriesPage, tr("&Serie"));
  pages_->addTab(new StartMapPage(exact_, this), tr("S&tartpunkte"));
  pages_->addTab(new ExitPlacesPage(simulation_.series(), exact_, this), tr("&Austrittsorte"));
  pages_->addTab(new SweepPage(exact_, this), tr("Versuchs&reihe"));
  // What each page shows, in a sentence a pupil reads; while the class guesses, why a page is
  // closed instead.
  pageSentences_ = {
      tr("Die Reisen dieser Serie: gezählt, gemessen und exakt."),
      tr("Für jeden Startpunkt: wie oft der Wanderer nach Hause kommt oder wie lange er braucht."),
      tr("Wo die Reisen das Gitter verlassen, gemessen und exakt."),
      tr("Dieselbe Frage für viele Einstellungen nacheinander, etwa für jede Gittergröße.")};
  for (int page = 0; page < pages_->count(); ++page) {
    pages_->setTabToolTip(page, pageSentences_[page]);
  }
  // The table counts the whole series, where the main window's boxes start over after 1002.
  counted_ = new QLabel(pages_);
  counted_->setObjectName(QStringLiteral("lblAlleReisen"));
  counted_->setContentsMargins(8, 0, 4, 0);
  pages_->setCornerWidget(counted_, Qt::TopRightCorner);
  connect(pages_, &QTabWidget::currentChanged, this,
          [this](int page) { counted_->setVisible(page == 0 && !counted_->text().isEmpty()); });

  auto* layout = new QVBoxLayout(this);
  // Narrow margins: beside the main window on a small screen every pixel of width counts.
  layout->setContentsMargins(6, 6, 6, 6);
  layout->addWidget(pages_, 1);
  layout->addWidget(BuildButtons());
  // Texts grow with the screen, as the main window's do: readable on a projector.
  const QSize room = (parent ? parent->screen() : screen())->availableGeometry().size();
  QFont scaled = font();
  scaled.setPointSizeF(scaled.pointSizeF() * std::clamp(room.height() / 800.0, 1.0, 2.0));
  setFont(scaled);
  resize(QSize(900, 680).expandedTo(room * 0.6).boundedTo(room));

  poll_.setInterval(kEvaluationRefreshInterval);
  connect(&poll_, &QTimer::timeout, this, [this] { RefreshIfChanged(); });
  connect(&exact_, &ExactStatistics::Changed, this, [this] { stale_ = true; });
}

void EvaluationWindow::BuildTable() {
  table_ = new QTableWidget(kSeriesRowCount, kColumnCount, this);
  table_->setObjectName(QStringLiteral("grdAuswertung"));
  table_->setAccessibleName(tr("Gezählte, gemessene und exakte Werte"));
  table_->setHorizontalHeaderLabels(
      {tr("gezählt"), tr("gemessen"), tr("95-%-Bereich"), tr("exakt")});
  QStringList rowNames;
  for (int r = 0; r < kSeriesRowCount; ++r)
    rowNames << TwoLinesIfLong(RowName(static_cast<SeriesRow>(r)));
  table_->setVerticalHeaderLabels(rowNames);
  // A sentence a pupil reads for each row and each column.
  for (int r = 0; r < kSeriesRowCount; ++r) {
    table_->verticalHeaderItem(r)->setToolTip(RowSentence(static_cast<SeriesRow>(r)));
  }
  const QStringList columnSentences{
      tr("So viele Reisen endeten hier."),
      tr("Der Anteil an allen Reisen dieser Serie, oder die mittlere Zahl der Schritte."),
      tr("Wo der wahre Wert wohl liegt: In 19 von 20 Serien enthält dieser Bereich den exakten "
         "Wert."),
      tr("Was die Rechnung für unendlich viele Reisen ergibt.")};
  for (int c = 0; c < kColumnCount; ++c) {
    table_->horizontalHeaderItem(c)->setToolTip(columnSentences[c]);
  }
  table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  table_->setTabKeyNavigation(false);  // Tab leaves the table for the next control
  // Figures stay whole: the columns are as wide as they need, with a scroll bar where the
  // window is narrower, and stretched where it is wider.
  table_->setWordWrap(false);
  table_->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
  table_->horizontalHeader()->setStretchLastSection(true);
  table_->verticalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
  for (int r = 0; r < kSeriesRowCount; ++r) {
    for (int c = 0; c < kColumnCount; ++c) {
      auto* item = new QTableWidgetItem;
      item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
      table_->setItem(r, c, item);
    }
  }
  table_->setSizeAdjustPolicy(QAbstractScrollArea::AdjustToContents);
  table_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  // Every row shown whole, and no more: without a scroll bar a cut row would be lost from sight,
  // and beside the main window the chart below needs every line of height left.
  table_->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
  const auto fit = [this] { FitTableHeight(); };
  connect(table_->verticalHeader(), &QHeaderView::sectionResized, this, fit);
  connect(table_->horizontalHeader(), &QHeaderView::geometriesChanged, this, fit);
  connect(table_->horizontalScrollBar(), &QScrollBar::rangeChanged, this, fit,
          Qt::QueuedConnection);
}

QWidget* EvaluationWindow::BuildButtons() {
  auto* buttons = new ButtonRows(this);
  auto* saveData = new QPushButton(tr("&Daten speichern …"), buttons);
  saveData->setObjectName(QStringLiteral("cmdDatenSpeichern"));
  saveData->setAccessibleName(tr("Daten speichern"));
  auto* savePicture = new QPushButton(tr("&Bild speichern …"), buttons);
  savePicture->setObjectName(QStringLiteral("cmdBildSpeichern"));
  savePicture->setAccessibleName(tr("Bild speichern"));
  auto* close = new QPushButton(tr("Schl&ießen"), buttons);
  close->setObjectName(QStringLiteral("cmdSchliessen"));
  close->setAccessibleName(tr("Auswertung schließen"));
  connect(saveData, &QPushButton::clicked, this, [this] { SaveData(); });
  connect(savePicture, &QPushButton::clicked, this, [this] { SavePicture(); });
  connect(close, &QPushButton::clicked, this, &QWidget::close);
  auto* classBoard = new QPushButton(tr("Klassenvers&uch …"), buttons);
  classBoard->setObjectName(QStringLiteral("cmdKlassenversuch"));
  classBoard->setToolTip(tr("Die Geräte der Klasse gehen, die Tafel sammelt ihre Reisen"));
  connect(classBoard, &QPushButton::clicked, this, [this] { OpenClassBoard(); });
  lessonTools_ = new LessonTools(simulation_, buttons);
  const auto* handouts = new ReportTools(simulation_, exact_, buttons);
  buttons->Fill(besideBox_, lessonTools_->seedRow(),
                {saveData, savePicture, lessonTools_->saveButton(), lessonTools_->openButton(),
                 handouts->reportButton(), handouts->chartsButton(), handouts->copyButton(),
                 classBoard, close});
  return buttons;
}

// One class at a time, kept by the main window: the board and its server outlive this window.
// Only once it has ended may another begin; closing the board leaves the class running.
void EvaluationWindow::OpenClassBoard() {
  QWidget* main = parentWidget() != nullptr ? parentWidget() : this;
  auto* board = main->findChild<ClassBoard*>();
  // A class ended makes room for the next one.
  if (board != nullptr && board->Ended()) {
    delete board;
    board = nullptr;
  }
  if (board == nullptr) {
    board = new ClassBoard([this] { return simulation_.walk().CurrentJourneySetting(); }, main);
    if (!board->Start()) {
      delete board;
      return;
    }
  }
  board->show();
  board->raise();
  board->activateWindow();
}

void EvaluationWindow::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  Refresh();
  poll_.start();
}

bool EvaluationWindow::Beside() const {
  return besideBox_->isChecked();
}

void EvaluationWindow::ScaleTexts(double scale) {
  QFont text = font();
  text.setPointSizeF(kLessonTextPoints * scale);
  if (text != font()) setFont(text);
  // The tables' figures and the seed, which the class reads off the board to type in again, a
  // size larger than the texts; no more, so that all columns fit beside the main window.
  QFont figures = text;
  figures.setPointSizeF(kLessonTablePoints * scale);
  for (QTableView* figureTable : findChildren<QTableView*>()) {
    if (figures != figureTable->font()) figureTable->setFont(figures);
  }
  if (auto* seed = findChild<QLineEdit*>(QStringLiteral("txtStartwert"))) seed->setFont(figures);
}

void EvaluationWindow::closeEvent(QCloseEvent* event) {
  QWidget::closeEvent(event);
  emit Closed();
}

void EvaluationWindow::hideEvent(QHideEvent* event) {
  QWidget::hideEvent(event);
  poll_.stop();
}

void EvaluationWindow::RefreshIfChanged() {
  if (!stale_ && simulation_.series().Revision() == shownRevision_) return;
  if (sinceRefresh_.isValid() && sinceRefresh_.nsecsElapsed() < kQuietFactor * refreshCost_) return;
  sinceRefresh_.start();
  Refresh();
  refreshCost_ = sinceRefresh_.nsecsElapsed();
}

// Painting the charts can cost more than filling them: it counts towards the refresh's cost.
bool EvaluationWindow::event(QEvent* event) {
  if (event->type() != QEvent::UpdateRequest) return QWidget::event(event);
  QElapsedTimer painting;
  painting.start();
  const bool handled = QWidget::event(event);
  refreshCost_ += painting.nsecsElapsed();
  return handled;
}

// Esc stops a paced run, as in the main window; with no run going it closes this window.
void EvaluationWindow::keyPressEvent(QKeyEvent* event) {
  if (event->key() != Qt::Key_Escape) return QWidget::keyPressEvent(event);
  if (simulation_.IsPacedRunGoing() && parentWidget() != nullptr) {
    QCoreApplication::sendEvent(parentWidget(), event);
  } else {
    close();
  }
}

// Only the sides the walk can reach: a line has no top, bottom or z faces.
void EvaluationWindow::OfferSidesOf(int dimension) {
  if (offeredDimension_ == dimension) return;
  offeredDimension_ = dimension;
  const QVariant chosen = sideChooser_->currentData();
  const QSignalBlocker quiet(sideChooser_);
  sideChooser_->clear();
  for (SeriesRow side : kSideRows) {
    if (RowShown(side, dimension)) sideChooser_->addItem(RowName(side), static_cast<int>(side));
  }
  sideChooser_->setCurrentIndex(std::max(sideChooser_->findData(chosen), 0));
}

SeriesRow EvaluationWindow::FollowedRow() const {
  return quirlweg::FollowedRow(exact_.setting(),
                               static_cast<SeriesRow>(sideChooser_->currentData().toInt()));
}

// The children still emit while they are taken down, after this window's own part is gone:
// nothing of it may answer them any more.
EvaluationWindow::~EvaluationWindow() {
  for (QObject* child : findChildren<QObject*>()) disconnect(child, nullptr, this, nullptr);
}

void EvaluationWindow::Refresh() {
  stale_ = false;
  shownRevision_ = simulation_.series().Revision();
  lessonTools_->Refresh();
  const auto& journeys = simulation_.series();
  const theory::Setting& setting = exact_.setting();
  const auto& exact = exact_.values();
  const SeriesSummary summary = Summarize(journeys, setting, exact ? &*exact : nullptr);
  FillTable(summary, journeys);
  mixNote_->setVisible(summary.mixesSettings);
  const QString counted = journeys.size() == 1
                              ? tr("1 Reise")
                              : tr("alle %1 Reisen").arg(static_cast<qint64>(journeys.size()));
  counted_->setText(journeys.empty() ? QString() : counted);
  counted_->setVisible(pages_->currentIndex() == 0 && !journeys.empty());

  for (int r = 0; r < kSeriesRowCount; ++r)
    table_->setRowHidden(r, !RowShown(static_cast<SeriesRow>(r), setting.dimension));
  FitTableHeight();
  OfferSidesOf(setting.dimension);
  sideChooser_->setEnabled(!setting.homeAbsorbs);

  prediction_->Refresh(setting.dimension);
  // The other pages show nothing but exact values.
  for (int page = 1; page < pages_->count(); ++page) {
    pages_->setTabEnabled(page, !exact_.hidden());
    pages_->setTabToolTip(page, exact_.hidden() ? tr("Erst schätzen: Die exakten Werte sind "
                                                     "verborgen, bis „Exakt zeigen“ sie zeigt.")
                                                : pageSentences_[page]);
  }

  const SeriesRow followed = FollowedRow();
  std::optional<double> exactShare;
  if (exact) exactShare = ExactValue(*exact, followed, setting.dimension);
  const auto& guess = exact_.guess();
  const auto guessed = [&](SeriesRow row) {
    return guess && guess->row == row ? std::optional(guess->value) : std::nullopt;
  };
  charts_->ShowConvergence(journeys, followed, RowName(followed), exactShare, guessed(followed));
  charts_->ShowLengths(journeys, exact, guessed(SeriesRow::MeanLength));
}

void EvaluationWindow::FitTableHeight() {
  const QScrollBar* sideways = table_->horizontalScrollBar();
  table_->setFixedHeight(table_->horizontalHeader()->height() + table_->verticalHeader()->length() +
                         2 * table_->frameWidth() +
                         (sideways->isVisible() ? sideways->height() : 0));
}

void EvaluationWindow::FillTable(const SeriesSummary& summary, const JourneySeries& journeys) {
  for (int r = 0; r < kSeriesRowCount; ++r) FillRow(summary, static_cast<SeriesRow>(r), journeys);
}

void EvaluationWindow::FillRow(const SeriesSummary& summary, SeriesRow row,
                               const JourneySeries& journeys) {
  const int r = static_cast<int>(row);
  const RowEstimate& estimate = summary[row];
  const auto& exact = exact_.values();
  const bool any = summary.journeys > 0;
  const auto text = [row](double value) { return RowValueText(row, value); };

  SetText(*table_->item(r, kCounted),
          estimate.count ? QString::number(*estimate.count) : QString());
  SetText(*table_->item(r, kMeasured), any ? MeasuredText(row, estimate, journeys) : QString());
  table_->item(r, kRange)->setText(
      estimate.low && estimate.high ? tr("%1 – %2").arg(text(*estimate.low), text(*estimate.high))
                                    : QString());
  const auto exactValue =
      exact ? ExactValue(*exact, row, exact_.setting().dimension) : std::nullopt;
  const bool marked = exactValue && OutsideRange(summary, row, *exactValue);
  const QString sign =
      marked ? QString::fromUtf8(kMarkedSign.data(), kMarkedSign.size()) + QLatin1Char(' ')
             : QString();
  // A question mark while the class guesses, dots while the values are computed.
  const QString missing = exact_.hidden() ? QStringLiteral("?") : QStringLiteral("…");
  SetText(*table_->item(r, kExact),
          exact ? sign + ExactText(*exact, row, exact_.setting().dimension) : missing);
  for (int c = 0; c < kColumnCount; ++c) {
    QTableWidgetItem* item = table_->item(r, c);
    const QBrush background = marked ? QBrush(kMarked) : QBrush();
    if (item->background() == background) continue;
    item->setBackground(background);
    item->setToolTip(marked ? tr("Der exakte Wert liegt außerhalb des 95-%-Bereichs.") : QString());
  }
}

void EvaluationWindow::SaveData() {
  const QString path = AskWhereToSave(this, tr("Daten speichern"), tr("quirlweg-reisen.csv"),
                                      tr("CSV-Dateien (*.csv)"), QStringLiteral("csv"));
  if (path.isEmpty()) return;
  if (const auto error = SaveSeries(path, simulation_.series(), exact_, simulation_.Seed())) {
    WarnPlainly(this, windowTitle(),
                tr("Die Daten konnten nicht in „%1“ gespeichert werden:\n%2")
                    .arg(QDir::toNativeSeparators(path), *error));
  }
}

void EvaluationWindow::SavePicture() {
  const QString path = AskWhereToSave(this, tr("Bild speichern"), tr("quirlweg-gitter.png"),
                                      tr("PNG-Bilder (*.png)"), QStringLiteral("png"));
  if (path.isEmpty()) return;
  const QImage picture = latticeView_.grab().toImage();
  if (const auto error = WritePicture(path, picture)) {
    WarnPlainly(this, windowTitle(),
                tr("Das Bild konnte nicht in „%1“ gespeichert werden:\n%2")
                    .arg(QDir::toNativeSeparators(path), *error));
  }
}

}  // namespace quirlweg
