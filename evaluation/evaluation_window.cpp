#include "evaluation/evaluation_window.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
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
#include "figures/series_table.h"
#include "figures/series_table_view.h"
#include "layout/lesson_layout.h"
#include "series/series_summary.h"
#include "window/simulation.h"

namespace quirlweg {
namespace {

// Between two refreshes at least this many times as long as the last one took, so that a run
// going on between clicks loses a few per cent at most to the window.
constexpr int kQuietFactor = 30;

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
  table_ = new SeriesTableView(this);
  table_->setObjectName(QStringLiteral("grdAuswertung"));
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
  auto* board = main->findChild<ClassBoard*>(QStringLiteral("frmKlassenversuch"));
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
  table_->Show(summary, journeys, exact_);
  mixNote_->setVisible(summary.mixesSettings);
  const QString counted = journeys.size() == 1
                              ? tr("1 Reise")
                              : tr("alle %1 Reisen").arg(static_cast<qint64>(journeys.size()));
  counted_->setText(journeys.empty() ? QString() : counted);
  counted_->setVisible(pages_->currentIndex() == 0 && !journeys.empty());

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

void EvaluationWindow::SaveData() {
  const QString path = AskWhereToSave(this, tr("Daten speichern"), tr("quirlweg-reisen.csv"),
                                      tr("CSV-Dateien (*.csv)"), QStringLiteral("csv"));
  if (path.isEmpty()) return;
  if (const auto error = SaveSeries(path, simulation_.series(), exact_, simulation_.Seed())) {
    WarnNotSaved(this, tr("Die Daten konnten nicht in „%1“ gespeichert werden:\n%2"), path, *error);
  }
}

void EvaluationWindow::SavePicture() {
  const QString path = AskWhereToSave(this, tr("Bild speichern"), tr("quirlweg-gitter.png"),
                                      tr("PNG-Bilder (*.png)"), QStringLiteral("png"));
  if (path.isEmpty()) return;
  const QImage picture = latticeView_.grab().toImage();
  if (const auto error = WritePicture(path, picture)) {
    WarnNotSaved(this, tr("Das Bild konnte nicht in „%1“ gespeichert werden:\n%2"), path, *error);
  }
}

}  // namespace quirlweg
