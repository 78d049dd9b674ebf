#include "classboard/class_board.h"

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QImage>
#include <QLabel>
#include <QLocale>
#include <QMessageBox>
#include <QPixmap>
#include <QPushButton>
#include <QScreen>
#include <QSignalBlocker>
#include <QSplitter>
#include <QTabWidget>
#include <QTableWidget>
#include <QVBoxLayout>
#include <algorithm>

#include "classboard/class_picture.h"
#include "classboard/pool_evaluation.h"
#include "classboard/pool_files.h"
#include "classroom/class_message.h"
#include "classroom/class_status.h"
#include "classserver/qr_code.h"
#include "export/save_dialog.h"
#include "figures/exact_statistics.h"

namespace quirlweg {
namespace {

// The QR code as a picture at most `most` pixels wide, each module a whole number of pixels,
// with the quiet zone around it.
QPixmap QrPicture(const QString& text, int most) {
  const auto modules = QrModules(text);
  const int quiet = 4;
  const int size = static_cast<int>(modules.size()) + 2 * quiet;
  QImage image(size, size, QImage::Format_Mono);
  image.fill(1);
  for (std::size_t y = 0; y < modules.size(); ++y) {
    for (std::size_t x = 0; x < modules.size(); ++x) {
      if (modules[y][x])
        image.setPixel(static_cast<int>(x) + quiet, static_cast<int>(y) + quiet, 0);
    }
  }
  const int scale = std::max(2, most / size);
  return QPixmap::fromImage(image.scaled(size * scale, size * scale));
}

QString Percent(double share) {
  return QLocale().toString(100 * share, 'f', 2) + QStringLiteral(" %");
}

}  // namespace

ClassBoard::ClassBoard(std::function<JourneySetting()> setting, QWidget* parent)
    : QWidget(parent, Qt::Window), setting_(std::move(setting)), server_(this) {
  setObjectName(QStringLiteral("frmKlassenversuch"));
  setWindowTitle(tr("Klassenversuch – Quirlweg"));
  Build();
  connect(&server_, &ClassServer::Changed, this, &ClassBoard::Refresh);
}

ClassBoard::ClassBoard(classroom::Classroom saved, const QString& path, QWidget* parent)
    : QWidget(parent, Qt::Window), server_(this), saved_(std::move(saved)) {
  setObjectName(QStringLiteral("frmGespeicherterKlassenversuch"));
  setAttribute(Qt::WA_DeleteOnClose);
  setWindowTitle(tr("Gespeicherter Klassenversuch – Quirlweg"));
  Build();
  address_->setText(tr("Gespeicherter Klassenversuch"));
  code_->setText(QFileInfo(path).fileName());
  code_->setToolTip(QDir::toNativeSeparators(path));
  qr_->hide();
  // Nothing walks any more: only saving and printing are left.
  for (QWidget* w : std::as_const(commands_)) w->hide();
  // The picture's band comes with the exact values, computed in the background.
  connect(&pool_->exact(), &ExactStatistics::Changed, this, &ClassBoard::Refresh);
  Refresh();
}

void ClassBoard::Build() {
  // The board is what the projector shows while the class walks: the whole screen, texts
  // growing with it as the evaluation's do.
  setWindowState(Qt::WindowMaximized);
  const QSize room =
      (parentWidget() != nullptr ? parentWidget()->screen() : screen())->availableGeometry().size();
  QFont scaled = font();
  scaled.setPointSizeF(scaled.pointSizeF() * std::clamp(room.height() / 800.0, 1.0, 2.0));
  setFont(scaled);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(BuildTop());
  figures_ = new QLabel(this);
  figures_->setWordWrap(true);
  layout->addWidget(figures_);
  // The class's picture and its devices first; the pool as the evaluation shows a series on
  // the second tab, each large enough to read from the back row.
  auto* pages = new QTabWidget(this);
  auto* split = new QSplitter(pages);
  picture_ = new ClassPicture(split);
  devices_ = new QTableWidget(0, 3, split);
  devices_->setHorizontalHeaderLabels({tr("Gerät"), tr("Reisen"), tr("Heimkehr")});
  devices_->setAccessibleName(tr("Geräte der Klasse"));
  devices_->setSelectionBehavior(QAbstractItemView::SelectRows);
  devices_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  devices_->verticalHeader()->hide();
  // Figures stay on one line; the names take what room is left.
  devices_->setWordWrap(false);
  devices_->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
  devices_->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
  split->setStretchFactor(0, 3);
  split->setStretchFactor(1, 2);
  pool_ = new PoolEvaluation(pages);
  pages->addTab(split, tr("&Klasse"));
  pages->addTab(pool_, tr("P&ool gemessen und exakt"));
  pages->setTabToolTip(0, tr("Der Anteil jedes Geräts vor dem Bereich, den der exakte Wert für "
                             "seine Zahl von Reisen erwarten lässt"));
  pages->setTabToolTip(1, tr("Alle geprüften Reisen der Klasse als eine Serie, gemessen neben "
                             "exakt"));
  layout->addWidget(pages, 1);
  layout->addWidget(BuildButtons());
}

QWidget* ClassBoard::BuildTop() {
  auto* top = new QWidget(this);
  auto* row = new QHBoxLayout(top);
  auto* texts = new QVBoxLayout;
  address_ = new QLabel(top);
  address_->setTextInteractionFlags(Qt::TextSelectableByMouse);
  code_ = new QLabel(top);
  // Read from the back row.
  QFont large = font();
  large.setPointSizeF(large.pointSizeF() * 2);
  address_->setFont(large);
  large.setPointSizeF(large.pointSizeF() * 1.5);
  large.setBold(true);
  code_->setFont(large);
  texts->addWidget(address_);
  texts->addWidget(code_);
  texts->addStretch();
  row->addLayout(texts, 1);
  qr_ = new QLabel(top);
  qr_->setAccessibleName(tr("QR-Code der Adresse"));
  row->addWidget(qr_);
  return top;
}

QWidget* ClassBoard::BuildButtons() {
  auto* buttons = new QWidget(this);
  auto* rows = new QVBoxLayout(buttons);
  rows->setContentsMargins(0, 0, 0, 0);
  auto* row = new QHBoxLayout;
  pause_ = new QPushButton(tr("&Pause"), buttons);
  pause_->setCheckable(true);
  auto* round = new QPushButton(tr("&Neue Runde"), buttons);
  round->setToolTip(
      tr("Alle Geräte beginnen neu, mit der Einstellung des Hauptfensters und "
         "neuen Startwerten"));
  allowNames_ = new QCheckBox(tr("Vorna&men erlauben"), buttons);
  allowNames_->setToolTip(
      tr("Ohne Haken gibt niemand beim Beitreten einen Vornamen an: Die Geräte heißen "
         "„Gerät 1“, „Gerät 2“ …"));
  allowNames_->setChecked(true);
  hideNames_ = new QCheckBox(tr("Namen &ausblenden"), buttons);
  auto* remove = new QPushButton(tr("Gerät &entfernen"), buttons);
  auto* end = new QPushButton(tr("Klassenversuch &beenden"), buttons);
  for (QWidget* w :
       std::initializer_list<QWidget*>{pause_, round, allowNames_, hideNames_, remove, end}) {
    row->addWidget(w);
    commands_.append(w);
  }
  row->addStretch();
  rows->addLayout(row);
  // Saving and printing stay at hand after the end, when the pool is complete.
  auto* keeping = new QHBoxLayout;
  auto* files = new PoolFiles([this]() -> const classroom::Classroom& { return Class(); }, *pool_,
                              *picture_, buttons);
  keeping->addWidget(files->dataButton());
  keeping->addWidget(files->experimentButton());
  keeping->addWidget(files->reportButton());
  keeping->addStretch();
  rows->addLayout(keeping);
  connect(pause_, &QPushButton::toggled, this,
          [this](bool paused) { server_.Command(classroom::PauseCommand{paused}); });
  connect(round, &QPushButton::clicked, this, &ClassBoard::NewRound);
  connect(allowNames_, &QCheckBox::toggled, this,
          [this](bool allowed) { server_.Command(classroom::NamesCommand{allowed}); });
  connect(hideNames_, &QCheckBox::toggled, this, &ClassBoard::Refresh);
  connect(remove, &QPushButton::clicked, this, &ClassBoard::RemoveChosen);
  connect(end, &QPushButton::clicked, this, &ClassBoard::EndClass);
  return buttons;
}

bool ClassBoard::Start() {
  ClassServerOptions options;
  options.siteFolder = DefaultSiteFolder();
  options.recordPath = DefaultRecordPath();
  options.setting = setting_();
  if (const auto problem = server_.Start(options)) {
    QString text;
    switch (*problem) {
      case ClassStartProblem::PortTaken:
        text = tr("Kein Port ist frei für den Klassenversuch.");
        break;
      case ClassStartProblem::RecordInUse:
        text = tr("Ein anderer Klassenversuch läuft schon auf „%1“.").arg(options.recordPath);
        break;
      default:
        text = tr("Das Protokoll „%1“ des Klassenversuchs lässt sich nicht lesen oder schreiben.")
                   .arg(options.recordPath);
    }
    QMessageBox::warning(parentWidget(), windowTitle(), text);
    return false;
  }
  {
    // A class resumed from its record keeps the teacher's choice.
    const QSignalBlocker quiet(allowNames_);
    allowNames_->setChecked(Class().NamesAllowed());
  }
  address_->setText(server_.DeviceAddress());
  code_->setText(tr("Klassencode: %1").arg(server_.Code()));
  // A fifth of the screen's height: large enough for a phone across the room, leaving the
  // rest to the figures.
  qr_->setPixmap(QrPicture(server_.DeviceAddress(), screen()->availableGeometry().height() / 5));
  if (!server_.ServesSite()) {
    QMessageBox::warning(parentWidget(), windowTitle(),
                         tr("Die Seite der Browser-Ausgabe fehlt in „%1“: Die Geräte finden "
                            "unter der Adresse nichts.")
                             .arg(options.siteFolder));
  }
  Refresh();
  return true;
}

QString ClassBoard::DeviceName(const classroom::Device& device) const {
  if (device.name.empty() || hideNames_->isChecked()) return tr("Gerät %1").arg(device.number);
  return QString::fromStdString(device.name);
}

void ClassBoard::Refresh() {
  const classroom::Classroom& c = Class();
  pool_->Follow(c);
  const qint64 pooled = static_cast<qint64>(c.Pool().size());
  auto exact = server_.ExactHome();
  if (saved_ && pool_->exact().values()) exact = pool_->exact().values()->home;
  int joined = 0;
  std::vector<ClassPicture::Dot> dots;
  for (const classroom::Device& d : c.Devices()) {
    if (d.removed) continue;
    ++joined;
    const double share = d.journeys > 0 ? static_cast<double>(d.homeEnds) / d.journeys : 0;
    dots.push_back({d.journeys, share, hideNames_->isChecked() ? QString() : DeviceName(d)});
  }
  std::optional<ClassPicture::Dot> pool;
  QString text;
  if (const auto& resumed = server_.Resumption()) {
    text = tr("Fortgesetzt aus dem Protokoll mit %1 Reisen. ")
               .arg(QLocale().toString(static_cast<qint64>(resumed->journeys)));
  }
  text += tr("Runde %1: %2 Geräte, %3 Reisen im Pool")
              .arg(c.Round())
              .arg(joined)
              .arg(QLocale().toString(pooled));
  if (pooled > 0) {
    const double share = static_cast<double>(c.PooledHomeEnds()) / static_cast<double>(pooled);
    pool = ClassPicture::Dot{pooled, share, tr("Klasse")};
    text += tr(", Heimkehr %1").arg(Percent(share));
  }
  if (exact) {
    text += tr(" (exakt %1").arg(Percent(*exact));
    if (pooled > 0) {
      const auto band = classroom::BandFor(*exact, pooled);
      text += tr(", erwartet %1 – %2").arg(Percent(band.low), Percent(band.high));
    }
    text += QLatin1Char(')');
  }
  if (c.Paused()) text += tr(" – Pause");
  if (c.Ended()) text += tr(" – beendet");
  if (server_.RecordFailed()) text += tr(" – das Protokoll lässt sich nicht mehr schreiben!");
  figures_->setText(text);
  picture_->Show(std::move(dots), pool, exact);
  RefreshDevices();
}

void ClassBoard::RefreshDevices() {
  const classroom::Classroom& c = Class();
  devices_->setRowCount(0);
  for (const classroom::Device& d : c.Devices()) {
    if (d.removed) continue;
    const int row = devices_->rowCount();
    devices_->insertRow(row);
    auto* name = new QTableWidgetItem(DeviceName(d));
    name->setData(Qt::UserRole, d.number);
    if (saved_ || !server_.Protocol().Connected(d.number)) name->setForeground(Qt::gray);
    devices_->setItem(row, 0, name);
    devices_->setItem(row, 1,
                      new QTableWidgetItem(QLocale().toString(static_cast<qint64>(d.journeys))));
    const QString share =
        d.journeys > 0 ? Percent(static_cast<double>(d.homeEnds) / d.journeys) : QString();
    devices_->setItem(row, 2, new QTableWidgetItem(share));
  }
}

void ClassBoard::NewRound() {
  const JourneySetting setting = setting_();
  if (!classroom::IsClassSetting(setting)) {
    QMessageBox::information(this, windowTitle(),
                             tr("Diese Einstellung lässt sich nicht an die Klasse geben."));
    return;
  }
  server_.Command(classroom::NewRoundCommand{setting});
  pause_->setChecked(false);
}

void ClassBoard::RemoveChosen() {
  const auto rows = devices_->selectionModel()->selectedRows();
  for (const QModelIndex& row : rows) {
    server_.Command(classroom::RemoveCommand{row.data(Qt::UserRole).toInt()});
  }
}

void ClassBoard::EndClass() {
  const auto answer = QMessageBox::question(
      this, windowTitle(),
      tr("Den Klassenversuch beenden? Die Geräte werden getrennt, und sein Protokoll wird "
         "gelöscht."));
  if (answer != QMessageBox::Yes) return;
  server_.Command(classroom::EndCommand{});
  for (QWidget* w : commands_) w->setEnabled(false);
  Refresh();
}

bool ShowSavedClass(const Experiment& experiment, const QString& path, QWidget* parent) {
  std::optional<classroom::Classroom> saved;
  {
    // A long pool takes a few seconds to walk again.
    QApplication::setOverrideCursor(Qt::WaitCursor);
    saved = classroom::ClassOfPool(experiment.setting, *experiment.classPool);
    QApplication::restoreOverrideCursor();
  }
  if (!saved) {
    WarnPlainly(parent, QStringLiteral("Quirlweg"),
                ClassBoard::tr("„%1“ hält keinen Klassenversuch, den eine Klasse gehen kann.")
                    .arg(QDir::toNativeSeparators(path)));
    return false;
  }
  auto* board = new ClassBoard(std::move(*saved), path, parent);
  board->show();
  board->raise();
  board->activateWindow();
  return true;
}

}  // namespace quirlweg
