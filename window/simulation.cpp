#include "window/simulation.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QEvent>
#include <QIcon>
#include <QImageReader>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QScrollBar>
#include <QSlider>
#include <QWindow>
#include <algorithm>
#include <string_view>

#include "display/controls.h"
#include "display/picture_area.h"
#include "display/qt_text.h"
#include "engine/protocol.h"
#include "engine/text_forms.h"
#include "layout/lesson_layout.h"
#include "layout/twips.h"
#include "layout/walk_changers.h"
#include "lesson/series_seed.h"
#include "lesson/tempo_scale.h"
#include "window/placement.h"
#include "window/settings_switch.h"

namespace quirlweg {
namespace {

// Our artwork, compiled into the program.
const QString kIconPicture = QStringLiteral(":/quirlweg.svg");
const QString kSmallIconPicture = QStringLiteral(":/quirlweg-16.svg");
const QString kStartPicture = QStringLiteral(":/start.svg");
const QString kStartPictureAlternate = QStringLiteral(":/start-pressed.svg");
const QString kArrowUpPicture = QStringLiteral(":/arrow-up.svg");
const QString kArrowDownPicture = QStringLiteral(":/arrow-down.svg");

constexpr QSize kStartPictureSize{207, 227};

// The screen is brought up to date at most this often while a run goes on, counted from the
// last frame of any run: runs started one after the other, each ending with a frame of its
// own, then still give a steady 40 frames per second or a few more.
constexpr auto kFrameInterval = std::chrono::milliseconds(25);
// Steps between two reads of the clock; a read costs more than a step's bookkeeping.
constexpr std::uint32_t kStepsPerClockRead = 256;

// A picture of ours drawn crisply at the given size (device-independent pixels).
QPixmap RenderPicture(const QString& path, QSize size, qreal pixelRatio) {
  if (size.isEmpty()) return {};
  QImageReader reader(path);
  reader.setScaledSize(size * pixelRatio);
  QImage image = reader.read();
  if (image.isNull()) return {};
  image.setDevicePixelRatio(pixelRatio);
  return QPixmap::fromImage(image);
}

}  // namespace

Simulation::Simulation(std::unique_ptr<UniformSource> source, QWidget* parent)
    : QWidget(parent),
      generator_(Xoshiro128(0)),
      injected_(std::move(source)),
      controls_(BuildControls(*this)),
      displays_(DisplayWidgetsOf(controls_)),
      settings_(controls_),
      walk_(displays_.lattice(), displays_.statistics(), *this, settings_,
            injected_ ? *injected_ : static_cast<UniformSource&>(generator_)) {
  setObjectName(QStringLiteral("Simulation"));
  setWindowTitle(QStringLiteral("Quirlweg"));
  setFont(DefaultFont());
  setMinimumSize(320, 240);
  pacedRun_ =
      new PacedRun([this] { return walk_.ContinueStepwiseRun(); }, [this] { DrawFrame(); }, this);
  LoadArtwork();
  ConnectHandlers();
  SetTabOrder(controls_, *this);
  Load();
  resize(NormalSize());
}

Simulation::~Simulation() = default;

void Simulation::LoadArtwork() {
  QIcon icon;
  icon.addFile(kIconPicture, QSize(32, 32));
  icon.addFile(kSmallIconPicture, QSize(16, 16));
  setWindowIcon(icon);

  controls_.startPointButtons[2]->setIcon(QIcon(kArrowUpPicture));
  controls_.startPointButtons[3]->setIcon(QIcon(kArrowDownPicture));
}

void Simulation::ConnectHandlers() {
  const WindowControls& c = controls_;
  connect(c.latticeSizeBar, &QScrollBar::valueChanged, this, &Simulation::OnLatticeSizeChanged);
  connect(c.probabilityBar, &QScrollBar::valueChanged, this,
          &Simulation::OnRightProbabilityChanged);
  // A real click only: the program never selects an option in code.
  connect(c.dimensionGroup, &QButtonGroup::idClicked, this, &Simulation::OnDimensionChosen);
  connect(c.showProtocolBox, &QCheckBox::clicked, this, [this] { OnShowProtocolClicked(); });
  connect(c.homeAbsorbsBox, &QCheckBox::clicked, this, [this] { walk_.SwitchHomeAbsorption(); });
  connect(c.endButton, &QPushButton::clicked, this, &QWidget::close);
  connect(c.startButton, &QPushButton::clicked, this, [this] { OnStartClicked(); });
  // The start button shows its second picture while it is held down.
  connect(c.startButton, &QPushButton::pressed, this,
          [this] { controls_.startButton->setIcon(QIcon(startPictureAlternate_)); });
  connect(c.startButton, &QPushButton::released, this,
          [this] { controls_.startButton->setIcon(QIcon(startPicture_)); });
  for (int i = 0; i < 4; ++i) {
    connect(c.startPointButtons[i], &QPushButton::clicked, this,
            [this, i] { walk_.MoveStartPoint(static_cast<Direction>(i)); });
  }
  connect(c.tempoSlider, &QSlider::valueChanged, this, &Simulation::OnTempoChanged);
  connect(pacedRun_, &PacedRun::Finished, this, [this] { ShowPacedRunGoing(false); });
  connect(c.clearTracesButton, &QPushButton::clicked, this, [this] { walk_.ClearTraces(); });
  connect(c.resetCountersButton, &QPushButton::clicked, this, [this] { walk_.ResetCounters(); });
}

// ---------------------------------------------------------------------------------------------
// Start-up and layout

void Simulation::Load() {
  seed_ = SeedFromClock();
  generator_ = GeneratorSource(Xoshiro128(seed_));
  controls_.protocolBox->hide();
  controls_.probabilityBoxes[0]->hide();
  controls_.probabilityBoxes[1]->hide();
  controls_.probabilityBar->hide();
  // Laying the controls out draws the lattice for the view's size.
  ArrangeControls();
  displays_.lattice().HideEndMarker();
  controls_.coordinatesArea->Cls();
  // Position, coordinates, fresh edge counts and the walker picture on the origin.
  walk_.StartUp();
}

void Simulation::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  ArrangeControls();
}

void Simulation::changeEvent(QEvent* event) {
  QWidget::changeEvent(event);
  if (event->type() == QEvent::WindowStateChange) ArrangeControls();
}

// The layout follows the screen the window is on: moved to another screen, it is laid out anew
// (and the pictures rendered for that screen's pixel ratio).
void Simulation::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  if (QWindow* shown = windowHandle()) {
    connect(shown, &QWindow::screenChanged, this, &Simulation::ArrangeControls,
            Qt::UniqueConnection);
  }
}

// Esc stops a paced run, wherever the focus is: the controls leave the key to the window.
void Simulation::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Escape && pacedRun_->IsRunning()) {
    pacedRun_->Stop();
    event->accept();
    return;
  }
  QWidget::keyPressEvent(event);
}

void Simulation::closeEvent(QCloseEvent* event) {
  pacedRun_->Stop();
  QWidget::closeEvent(event);
}

// The screen's size decides every place; the window's own size plays no part. The lattice is
// redrawn as soon as the lattice view has its new size.
void Simulation::ArrangeControls() {
  const QScreen* shown = screen();
  const QSize pixels = layoutSize_.value_or(shown->geometry().size());
  const double dpiX = shown->logicalDotsPerInchX();
  const double dpiY = shown->logicalDotsPerInchY();
  const double widthTwips = PixelsToTwips(pixels.width(), dpiX);
  const double heightTwips = PixelsToTwips(pixels.height(), dpiY);
  arrangement_ = lesson_ ? ArrangeForLesson(widthTwips, heightTwips)
                         : quirlweg::ArrangeControls(widthTwips, heightTwips);
  ShowFramesFor(controls_, lesson_);
  for (std::size_t i = 0; i < arrangement_.controls.size(); ++i) {
    if (i == kPlacedBeforeLattice) walk_.DrawLattice();
    const ControlPlacement& placement = arrangement_.controls[i];
    if (QWidget* control = controls_.byName.value(ToQString(placement.name))) {
      PlaceControl(*control, placement, dpiX, dpiY);
    }
  }
  for (const LinePlacement& line : arrangement_.lines) {
    if (QWidget* control = controls_.byName.value(ToQString(line.name))) {
      PlaceLine(*control, line, dpiX, dpiY);
    }
  }
  // Laid out for the area beside the evaluation, the window keeps the traces in view: the
  // class opened the evaluation to look at them. Only a layout for the screen wipes them.
  const WalkState& state = walk_.state();
  if (layoutSize_) displays_.lattice().RedrawTraces(state.hEdgeVisits, state.vEdgeVisits);
  // The lattice drawn anew puts the walker picture on the start point; a journey left midway
  // (a paced run stopped, single steps) has the walker elsewhere.
  displays_.lattice().PlaceWalker(state.posX - state.walkerSize / 2,
                                  state.posY - state.walkerSize / 2);
  FitButtonPictures();
}

void Simulation::LayOutFor(const std::optional<QRect>& area) {
  lesson_ = false;
  if (!area) {
    layoutSize_.reset();
    showMaximized();
    ArrangeControls();
    return;
  }
  PutInto(*area);
}

void Simulation::LayOutForLesson(const QRect& area) {
  lesson_ = true;
  PutInto(area);
}

void Simulation::PutInto(const QRect& area) {
  const QRect client = InsideFrame(*this, area);
  layoutSize_ = client.size();
  if (isMaximized() || isFullScreen()) showNormal();
  setGeometry(client);
  ArrangeControls();
}

// The start pictures fill the start button as far as their shape allows; the arrows take
// about two thirds of their buttons.
void Simulation::FitButtonPictures() {
  QPushButton* start = controls_.startButton;
  const QSize room = start->size() - QSize(6, 6);
  const QSize pictureSize = kStartPictureSize.scaled(room, Qt::KeepAspectRatio);
  const qreal ratio = devicePixelRatioF();
  if (pictureSize != startPicture_.deviceIndependentSize().toSize() ||
      startPicture_.devicePixelRatio() != ratio || startPicture_.isNull()) {
    startPicture_ = RenderPicture(kStartPicture, pictureSize, ratio);
    startPictureAlternate_ = RenderPicture(kStartPictureAlternate, pictureSize, ratio);
  }
  start->setIconSize(pictureSize);
  start->setIcon(QIcon(start->isDown() ? startPictureAlternate_ : startPicture_));

  for (QPushButton* arrow : {controls_.startPointButtons[2], controls_.startPointButtons[3]}) {
    const int side = std::max(1, std::min(arrow->width(), arrow->height()) * 2 / 3);
    arrow->setIconSize(QSize(side, side));
  }
}

// A restored window shows the whole laid-out area where the screen has room for it.
QSize Simulation::NormalSize() const {
  const QScreen* shown = screen();
  const Extent extent = WindowExtent(arrangement_);
  const QSize wanted(TwipsToPixels(extent.width, shown->logicalDotsPerInchX()),
                     TwipsToPixels(extent.height, shown->logicalDotsPerInchY()));
  return wanted.boundedTo(shown->availableGeometry().size()).expandedTo(minimumSize());
}

// ---------------------------------------------------------------------------------------------
// Handlers

void Simulation::OnLatticeSizeChanged(int radius) {
  SetTextFromStart(*controls_.latticeRangeBox,
                   QString::fromStdString(StrForm(-radius) + " ..." + StrForm(radius)));
  walk_.ChangeLatticeSize();
}

void Simulation::OnRightProbabilityChanged(int percent) {
  const auto leftPercent = static_cast<std::int16_t>(100 - percent);
  SetTextFromStart(*controls_.probabilityBoxes[0],
                   ProbabilityPrefix(0) + QString::fromStdString(StrForm(leftPercent / 100.0)));
  SetTextFromStart(*controls_.probabilityBoxes[1],
                   ProbabilityPrefix(1) + QString::fromStdString(StrForm(percent / 100.0)));
}

void Simulation::OnDimensionChosen(int index) {
  walk_.MoveStartToOrigin();
  // The probability controls belong to the one-dimensional walk only.
  const bool oneDimensional = index == 0;
  controls_.probabilityBoxes[0]->setVisible(oneDimensional);
  controls_.probabilityBoxes[1]->setVisible(oneDimensional);
  controls_.probabilityBar->setVisible(oneDimensional);
}

void Simulation::OnShowProtocolClicked() {
  controls_.protocolBox->setVisible(controls_.showProtocolBox->isChecked());
}

void Simulation::OnStartClicked() {
  if (pacedRun_->IsRunning()) {
    pacedRun_->Stop();
    return;
  }
  if (Tempo() != kFastestTempo && walk_.BeginStepwiseRun()) {
    ShowPacedRunGoing(true);
    pacedRun_->Start(Tempo());
    return;
  }
  // While the run goes on the button shows its picture without the word "Start".
  controls_.startButton->setIcon(QIcon(startPictureAlternate_));
  stepsSinceClockRead_ = 0;
  walk_.Start();
  controls_.startButton->setIcon(QIcon(startPicture_));
  DrawFrame();
}

void Simulation::ApplySetting(const JourneySetting& s) {
  if (pacedRun_->IsRunning()) pacedRun_->Stop();
  const int dimension = std::clamp(s.dimension, 1, 3) - 1;
  controls_.dimensionOptions[static_cast<std::size_t>(dimension)]->setChecked(true);
  OnDimensionChosen(dimension);
  // The bars' own handlers follow their values, as when they are dragged.
  controls_.latticeSizeBar->setValue(s.radius);
  controls_.probabilityBar->setValue(static_cast<int>(std::lround(s.rightProbability * 100)));
  if (controls_.homeAbsorbsBox->isChecked() != s.homeAbsorbs) {
    controls_.homeAbsorbsBox->setChecked(s.homeAbsorbs);
    walk_.SwitchHomeAbsorption();
  }
  walk_.MoveStartPointTo(s.startX, s.startY);
  emit SettingApplied();
}

void Simulation::ShowProtocol(bool shown) {
  controls_.showProtocolBox->setChecked(shown);
  OnShowProtocolClicked();
}

int Simulation::Tempo() const {
  return kTempoSteps[static_cast<std::size_t>(controls_.tempoSlider->value())];
}

void Simulation::OnTempoChanged(int position) {
  const int tempo = kTempoSteps[static_cast<std::size_t>(position)];
  controls_.tempoText->setText(TempoText(tempo));
  // Moved to "max" mid-run, the run goes on paced at the scale's fastest tempo.
  pacedRun_->SetTempo(tempo);
}

void Simulation::ShowPacedRunGoing(bool going) {
  const WindowControls& c = controls_;
  for (const std::string_view name : kWalkChangers) {
    if (QWidget* control = c.byName.value(ToQString(name))) control->setEnabled(!going);
  }
  c.startButton->setIcon(QIcon(going ? startPictureAlternate_ : startPicture_));
  c.startButton->setToolTip(going ? tr("Hält die laufende Reise an (Esc)")
                                  : tr("Startet Schritt, Reise oder 20 Reisen"));
}

// ---------------------------------------------------------------------------------------------
// Seed

void Simulation::UseSeed(std::uint64_t seed) {
  if (pacedRun_->IsRunning()) pacedRun_->Stop();
  displays_.lattice().HideEndMarker();
  walk_.ClearTraces();
  walk_.ResetCounters();
  // The walker stands on the start point, at step 0 of the series' first journey.
  WalkState& state = walk_.state();
  state.stepCount = 0;
  displays_.statistics().ShowCoordinates(state.posX, -state.posY, state.posZ);
  displays_.statistics().ShowStepCount(0);
  seed_ = seed;
  generator_ = GeneratorSource(Xoshiro128(seed));
}

// ---------------------------------------------------------------------------------------------
// Run observer

// The restart after 1001 journeys resets the counters but goes on with the series. A new
// series after walking takes a fresh seed from the generator, so that it can be walked again.
void Simulation::CountersReset() {
  if (std::exchange(restarting_, false)) return;
  if (!series_.empty()) emit SeriesClearing();
  series_.Clear();
  seed_ = NextSeriesSeed(seed_, generator_.generator());
  generator_ = GeneratorSource(Xoshiro128(seed_));
}

void Simulation::StatisticsRestart() {
  restarting_ = true;
  if (restartNoticeShown_) {
    QMessageBox box(QMessageBox::NoIcon, QStringLiteral("Quirlweg"),
                    tr("Achtung: Ab n=1000 wird die Liste neu begonnen"), QMessageBox::Ok, this);
    box.exec();
  }
  lastFrame_ = Clock::now();
}

void Simulation::StepTaken() {
  ++stepsTaken_;
  if (pacedRun_->IsRunning()) return;  // it paints a frame for every step or tick itself
  if (++stepsSinceClockRead_ < kStepsPerClockRead) return;
  stepsSinceClockRead_ = 0;
  if (Clock::now() - lastFrame_ >= kFrameInterval) DrawFrame();
}

// Paints what changed since the last paint, at once. Unlike repaint(), which would repaint the
// whole window, this flushes only the areas marked for update, and it handles no input.
void Simulation::DrawFrame() {
  // The lattice view moves the walker picture on screen from a posted event (once per pass of
  // the event loop, which a run never reaches); deliver it so the frame shows the walker where
  // it stands. Posted events only: user input stays queued.
  QCoreApplication::sendPostedEvents(controls_.latticeView);
  QEvent request(QEvent::UpdateRequest);
  QCoreApplication::sendEvent(this, &request);
  ++framesDrawn_;
  lastFrame_ = Clock::now();
}

}  // namespace quirlweg
