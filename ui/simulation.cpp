#include "ui/simulation.h"

#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QEvent>
#include <QFont>
#include <QFontMetricsF>
#include <QFrame>
#include <QGroupBox>
#include <QIcon>
#include <QImageReader>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMessageBox>
#include <QPalette>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QResizeEvent>
#include <QScreen>
#include <QScrollBar>
#include <algorithm>
#include <vector>

#include "display/controls.h"
#include "display/lattice_view.h"
#include "display/picture_area.h"
#include "display/statistics_displays.h"
#include "engine/protocol.h"
#include "engine/text_forms.h"

namespace quirlweg {
namespace {

// Our artwork, compiled into the program.
const QString kIconPicture = QStringLiteral(":/quirlweg.svg");
const QString kSmallIconPicture = QStringLiteral(":/quirlweg-16.svg");
const QString kWalkerPicture = QStringLiteral(":/walker.svg");
const QString kStartPicture = QStringLiteral(":/start.svg");
const QString kStartPictureAlternate = QStringLiteral(":/start-pressed.svg");
const QString kArrowUpPicture = QStringLiteral(":/arrow-up.svg");
const QString kArrowDownPicture = QStringLiteral(":/arrow-down.svg");

constexpr QSize kStartPictureSize{207, 227};
constexpr QSize kWalkerPictureSize{200, 200};

// The screen is brought up to date at most this often while a run goes on, counted from the
// last frame of any run: runs started one after the other, each ending with a frame of its
// own, then still give a steady 40 frames per second or a few more.
constexpr auto kFrameInterval = std::chrono::milliseconds(25);
// Steps between two reads of the clock; a read costs more than a step's bookkeeping.
constexpr std::uint32_t kStepsPerClockRead = 256;

// The three type faces of the window, each with a generic fallback.
enum class Face { Sans, Serif, Mono };

QFont DesignFont(Face face, double points, bool bold = false) {
  QFont font;
  switch (face) {
    case Face::Sans:
      font.setFamilies({QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")});
      font.setStyleHint(QFont::SansSerif);
      break;
    case Face::Serif:
      font.setFamilies({QStringLiteral("Liberation Serif"), QStringLiteral("DejaVu Serif")});
      font.setStyleHint(QFont::Serif);
      break;
    case Face::Mono:
      font.setFamilies({QStringLiteral("Liberation Mono"), QStringLiteral("DejaVu Sans Mono")});
      font.setStyleHint(QFont::Monospace);
      font.setFixedPitch(true);
      break;
  }
  font.setPointSizeF(points);
  font.setWeight(bold ? QFont::Bold : QFont::Normal);
  return font;
}

// The window's default face: a plain sans serif at 8.25 points.
QFont DefaultFont() {
  return DesignFont(Face::Sans, 8.25);
}

QString ArrayName(const char* base, int index) {
  return QStringLiteral("%1(%2)").arg(QLatin1String(base)).arg(index);
}

QString FromUtf8(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

void SetBaseColor(QWidget* box, QColor color) {
  QPalette palette = box->palette();
  palette.setColor(QPalette::Base, color);
  box->setPalette(palette);
}

QColor SystemColor(QPalette::ColorRole role, QPalette::ColorGroup group = QPalette::Active) {
  return QApplication::palette().color(group, role);
}

int TwipsToPixels(double twips, double dotsPerInch) {
  return qRound(twips * dotsPerInch / kTwipsPerInch);
}

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

// The font for text printed into a picture area, made smaller where a line at the laid-out
// size would be cut off at the bottom (the coordinate box is lower than its font's lines).
QFont FittingFont(QFont font, const PictureArea& area) {
  const int border = area.FlatBorder() ? 2 : 0;
  const double room = area.height() - border;
  const double line = QFontMetricsF(font).height();
  if (room > 0 && line > room) font.setPointSizeF(font.pointSizeF() * room / line);
  return font;
}

}  // namespace

template <class Control>
Control* Simulation::Named(Control* control, const QString& name) {
  control->setObjectName(name);
  byName_.insert(name, control);
  return control;
}

Simulation::Simulation(std::unique_ptr<UniformSource> source, QWidget* parent)
    : QWidget(parent),
      generator_(Xoshiro128(0)),
      injected_(std::move(source)),
      walk_(*this, *this, injected_ ? *injected_ : static_cast<UniformSource&>(generator_)) {
  setObjectName(QStringLiteral("Simulation"));
  setWindowTitle(QStringLiteral("Quirlweg"));
  setFont(DefaultFont());
  setMinimumSize(320, 240);
  CreateControls();
  LoadArtwork();
  ConnectHandlers();
  SetTabOrder();
  Form_Load();
  resize(NormalSize());
}

Simulation::~Simulation() = default;

// ---------------------------------------------------------------------------------------------
// Controls

void Simulation::CreateControls() {
  // Created back to front: the lattice view first, so that the boxes over its edges, the
  // start-point cross and the protocol list lie above it.
  CreatePictureAreas();
  Text4_ = Named(new QLineEdit(QStringLiteral("P(t) = "), this), QStringLiteral("Text4"));
  Text4_->setFont(DesignFont(Face::Sans, 9.75));
  Text4_->setFrame(false);  // a fixed label that reads as one line with the coordinates
  SetBaseColor(Text4_, SystemColor(QPalette::Button));

  Text3_ = Named(new QLineEdit(QStringLiteral(" Ebene z = 0"), this), QStringLiteral("Text3"));
  Text3_->setFont(DefaultFont());
  Text3_->setStyleSheet(
      QStringLiteral("QLineEdit { border: 1px solid black; background: rgb(255, 255, 128); }"));
  Text3_->setToolTip(QStringLiteral("Die Ansicht zeigt die Ebene z = 0"));

  Text6_ = Named(new QPlainTextEdit(this), QStringLiteral("Text6"));
  Text6_->setFont(DesignFont(Face::Mono, 12));
  Text6_->setFrameShape(QFrame::Box);
  Text6_->setFrameShadow(QFrame::Plain);
  Text6_->setLineWidth(1);
  Text6_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  SetBaseColor(Text6_, SystemColor(QPalette::Midlight));
  Text6_->setToolTip(QStringLiteral("Protokoll: Nummer, L\u00e4nge und Endpunkt jeder Reise"));

  CreateStartPointCross();
  CreateSettingsFrame();
  CreateSimulationFrame();
  CreateStatisticsFrame();

  StatisticsWidgets widgets;
  widgets.coordinates = Picture1_;
  widgets.steps = picSchritte_;
  widgets.hits = picRandtreffer_;
  widgets.countBoxes = {Text1_[0], Text1_[1], Text1_[2], Text1_[3], Text2_};
  widgets.protocol = Text6_;
  statistics_ = std::make_unique<StatisticsDisplays>(widgets);
  statistics_->SetProtocolText(kProtocolHeader);
  lattice_ = std::make_unique<LatticeView>(*picAusgabe_, *Image4_, *shpWippo2_);
  ForwardTo(*lattice_, *statistics_);
}

void Simulation::CreatePictureAreas() {
  const QColor windowText = SystemColor(QPalette::WindowText);

  picAusgabe_ = Named(new PictureArea(this), QStringLiteral("picAusgabe"));
  picAusgabe_->setFont(DefaultFont());
  picAusgabe_->SetBackColor(QColor(224, 224, 224));
  picAusgabe_->SetForeColor(windowText);
  picAusgabe_->SetDrawWidth(4);
  picAusgabe_->Cls();
  picAusgabe_->setToolTip(QStringLiteral("Das Gitter mit den Spuren des Wanderers"));

  // Children of the lattice view, above its drawing; the walker above the end marker.
  shpWippo2_ = Named(new ShapeControl(picAusgabe_), QStringLiteral("shpWippo2"));
  shpWippo2_->SetFillColor(QColor(64, 0, 0));
  shpWippo2_->SetBorderColor(Qt::black);
  Image4_ = Named(new ImageControl(picAusgabe_), QStringLiteral("Image4"));

  const QColor buttonFace = SystemColor(QPalette::Button);
  Picture1_ = Named(new PictureArea(this), QStringLiteral("Picture1"));
  Picture1_->setFont(DesignFont(Face::Sans, 9.75));
  Picture1_->SetBackColor(buttonFace);
  Picture1_->SetForeColor(windowText);
  Picture1_->Cls();
  Picture1_->setToolTip(QStringLiteral("Ort des Wanderers (x, y, z)"));

  picSchritte_ = Named(new PictureArea(this), QStringLiteral("picSchritte"));
  picSchritte_->setFont(DefaultFont());
  picSchritte_->SetBackColor(buttonFace);
  picSchritte_->SetForeColor(windowText);
  picSchritte_->Cls();
  picSchritte_->setToolTip(QStringLiteral("Schritte der laufenden Reise"));

  static constexpr std::array<const char*, 4> kEdges{"oberen", "rechten", "unteren", "linken"};
  for (int i = 0; i < 4; ++i) {
    auto* hits = Named(new PictureArea(this), ArrayName("picRandtreffer", i));
    hits->setFont(DesignFont(Face::Sans, 8.25, true));
    hits->SetBackColor(QColor(255, 255, 128));
    hits->SetForeColor(windowText);
    hits->Cls();
    hits->setToolTip(
        QStringLiteral("Reisen, die am %1 Rand endeten").arg(QLatin1String(kEdges[i])));
    picRandtreffer_[i] = hits;
  }
}

void Simulation::CreateStartPointCross() {
  static constexpr std::array<const char*, 4> kCaptions{"<", ">", "", ""};
  static constexpr std::array<const char*, 4> kTips{
      "Startpunkt nach links", "Startpunkt nach rechts", "Startpunkt nach oben",
      "Startpunkt nach unten"};
  for (int i = 0; i < 4; ++i) {
    auto* button =
        Named(new QPushButton(QLatin1String(kCaptions[i]), this), ArrayName("cmdHome", i));
    button->setFont(DefaultFont());
    button->setToolTip(QString::fromUtf8(kTips[i]));
    cmdHome_[i] = button;
  }
}

void Simulation::CreateSettingsFrame() {
  Frame1_ = Named(new QGroupBox(this), QStringLiteral("Frame1"));
  Frame1_->setFont(DesignFont(Face::Sans, 9.75));

  Label3_ = Named(new QLabel(QStringLiteral("Raster"), Frame1_), QStringLiteral("Label3"));
  Label3_->setFont(DesignFont(Face::Sans, 13.5));

  hscRaster_ = Named(new QScrollBar(Qt::Horizontal, Frame1_), QStringLiteral("hscRaster"));
  hscRaster_->setRange(2, 50);
  hscRaster_->setSingleStep(1);
  hscRaster_->setPageStep(5);
  hscRaster_->setValue(5);
  hscRaster_->setFocusPolicy(Qt::StrongFocus);
  hscRaster_->setToolTip(QStringLiteral("Gittergr\u00f6\u00dfe R (2 bis 50)"));

  txtRaster_ =
      Named(new QLineEdit(QStringLiteral("-5 ...5"), Frame1_), QStringLiteral("txtRaster"));
  txtRaster_->setFont(DesignFont(Face::Sans, 13.5));
  txtRaster_->setAlignment(Qt::AlignCenter);
  txtRaster_->setFrame(false);
  SetBaseColor(txtRaster_, SystemColor(QPalette::Midlight, QPalette::Inactive));

  Line1_ = Named(new QFrame(Frame1_), QStringLiteral("Line1"));

  Label2_ = Named(new QLabel(QStringLiteral("Dimension"), Frame1_), QStringLiteral("Label2"));
  Label2_->setFont(DesignFont(Face::Sans, 13.5));

  option1Group_ = new QButtonGroup(this);
  for (int i = 0; i < 3; ++i) {
    auto* option =
        Named(new QRadioButton(QString::number(i + 1), Frame1_), ArrayName("Option1", i));
    option->setFont(DesignFont(Face::Sans, 18));
    option->setToolTip(QStringLiteral("Irrfahrt in %1 Dimension%2")
                           .arg(i + 1)
                           .arg(i == 0 ? QString() : QStringLiteral("en")));
    option1Group_->addButton(option, i);
    Option1_[i] = option;
  }
  Option1_[1]->setChecked(true);

  static constexpr std::array<const char*, 2> kProbabilityTexts{"p(links)=0,5", "p(rechts)=0,5"};
  for (int i = 0; i < 2; ++i) {
    auto* text =
        Named(new QLineEdit(QLatin1String(kProbabilityTexts[i]), Frame1_), ArrayName("Text5", i));
    text->setFont(DefaultFont());
    text->setAlignment(Qt::AlignCenter);
    Text5_[i] = text;
  }

  hscWaRi_ = Named(new QScrollBar(Qt::Horizontal, Frame1_), QStringLiteral("hscWaRi"));
  hscWaRi_->setRange(0, 100);
  hscWaRi_->setSingleStep(1);
  hscWaRi_->setPageStep(10);
  hscWaRi_->setValue(50);
  hscWaRi_->setFocusPolicy(Qt::StrongFocus);
  hscWaRi_->setToolTip(QStringLiteral("Wahrscheinlichkeit f\u00fcr einen Schritt nach rechts"));

  Line2_ = Named(new QFrame(Frame1_), QStringLiteral("Line2"));
  for (QFrame* line : {Line1_, Line2_}) {
    // A plain black stroke, one pixel wide.
    QPalette palette = line->palette();
    palette.setColor(QPalette::Window, Qt::black);
    line->setPalette(palette);
    line->setAutoFillBackground(true);
  }

  chkHeim_ = Named(new QCheckBox(QStringLiteral("Heimkreis absorbiert"), Frame1_),
                   QStringLiteral("chkHeim"));
  chkHeim_->setFont(DesignFont(Face::Serif, 14.25));
  chkHeim_->setChecked(true);
  chkHeim_->setToolTip(
      QStringLiteral("Eine Reise endet auch, wenn der Wanderer den Ursprung erreicht"));
}

void Simulation::CreateSimulationFrame() {
  frmSimulation_ =
      Named(new QGroupBox(QStringLiteral("Simulation"), this), QStringLiteral("frmSimulation"));
  frmSimulation_->setFont(DesignFont(Face::Sans, 9.75));

  cmdStarten_ = Named(new QPushButton(frmSimulation_), QStringLiteral("cmdStarten"));
  cmdStarten_->setFont(DesignFont(Face::Sans, 9.75, true));
  cmdStarten_->setToolTip(QStringLiteral("Startet Schritt, Reise oder 20 Reisen"));

  optModusGroup_ = new QButtonGroup(this);
  static constexpr std::array<const char*, 3> kModes{"Schritt", "Reise", "20 Reisen"};
  for (int i = 0; i < 3; ++i) {
    auto* option =
        Named(new QRadioButton(QLatin1String(kModes[i]), frmSimulation_), ArrayName("optModus", i));
    option->setFont(DesignFont(Face::Sans, 9.75));
    optModusGroup_->addButton(option, i);
    optModus_[i] = option;
  }
  optModus_[1]->setChecked(true);

  cmdEnde_ =
      Named(new QPushButton(QStringLiteral("Ende"), frmSimulation_), QStringLiteral("cmdEnde"));
  cmdEnde_->setFont(DesignFont(Face::Sans, 9.75, true));
  cmdEnde_->setToolTip(QStringLiteral("Beendet das Programm"));
}

void Simulation::CreateStatisticsFrame() {
  frmStatistik_ =
      Named(new QGroupBox(QStringLiteral("Statistik"), this), QStringLiteral("frmStatistik"));
  frmStatistik_->setFont(DesignFont(Face::Sans, 9.75));

  static constexpr std::array<const char*, 5> kLabels{"zu Hause", "am Rand", "%", "%",
                                                      "mittlere Wegl\u00e4nge"};
  for (int i = 0; i < 5; ++i) {
    auto* label =
        Named(new QLabel(QString::fromUtf8(kLabels[i]), frmStatistik_), ArrayName("lblZuhause", i));
    const bool percent = i == 2 || i == 3;
    label->setFont(DesignFont(percent ? Face::Sans : Face::Serif, 12));
    lblZuhause_[i] = label;
  }

  static constexpr std::array<const char*, 4> kCountTips{
      "Reisen, die zu Hause endeten", "Anteil der Reisen, die zu Hause endeten, in Prozent",
      "Reisen, die am Rand endeten", "Anteil der Reisen, die am Rand endeten, in Prozent"};
  for (int i = 0; i < 4; ++i) {
    auto* box = Named(new QLineEdit(QStringLiteral("0"), frmStatistik_), ArrayName("Text1", i));
    box->setFont(DesignFont(Face::Sans, 13.5));
    box->setAlignment(Qt::AlignCenter);
    SetBaseColor(box, i < 2 ? QColor(255, 255, 255) : QColor(255, 255, 0));
    box->setToolTip(QString::fromUtf8(kCountTips[i]));
    Text1_[i] = box;
  }

  Text2_ = Named(new QLineEdit(QStringLiteral("0"), frmStatistik_), QStringLiteral("Text2"));
  Text2_->setFont(DesignFont(Face::Sans, 13.5));
  Text2_->setAlignment(Qt::AlignCenter);
  SetBaseColor(Text2_, QColor(0, 255, 255));
  Text2_->setToolTip(QStringLiteral("Mittlere Zahl der Schritte je Reise"));

  Command1_ = Named(new QPushButton(QStringLiteral("Spuren l\u00f6schen"), frmStatistik_),
                    QStringLiteral("Command1"));
  Command1_->setFont(DesignFont(Face::Serif, 9.75));
  Command1_->setToolTip(QStringLiteral("L\u00f6scht die Spuren und zeichnet das Gitter neu"));

  Command2_ = Named(new QPushButton(QStringLiteral("Z\u00e4hler l\u00f6schen"), frmStatistik_),
                    QStringLiteral("Command2"));
  Command2_->setFont(DesignFont(Face::Serif, 9.75));
  Command2_->setToolTip(QStringLiteral("Setzt alle Z\u00e4hler und das Protokoll zur\u00fcck"));

  Check1_ = Named(new QCheckBox(QStringLiteral("Protokoll einblenden"), frmStatistik_),
                  QStringLiteral("Check1"));
  Check1_->setFont(DesignFont(Face::Serif, 9.75));
}

void Simulation::LoadArtwork() {
  QIcon icon;
  icon.addFile(kIconPicture, QSize(32, 32));
  icon.addFile(kSmallIconPicture, QSize(16, 16));
  setWindowIcon(icon);

  const qreal ratio = devicePixelRatioF();
  const QPixmap walker = RenderPicture(kWalkerPicture, kWalkerPictureSize, ratio);
  if (!walker.isNull()) Image4_->SetPicture(walker);

  cmdHome_[2]->setIcon(QIcon(kArrowUpPicture));
  cmdHome_[3]->setIcon(QIcon(kArrowDownPicture));
}

void Simulation::ConnectHandlers() {
  connect(hscRaster_, &QScrollBar::valueChanged, this, &Simulation::hscRaster_Change);
  connect(hscWaRi_, &QScrollBar::valueChanged, this, &Simulation::hscWaRi_Change);
  // A real click only: the program never selects an option in code.
  connect(option1Group_, &QButtonGroup::idClicked, this,
          [this](int id) { Option1_Click(static_cast<std::int16_t>(id)); });
  connect(Check1_, &QCheckBox::clicked, this, [this] { Check1_Click(); });
  connect(chkHeim_, &QCheckBox::clicked, this, [this] { chkHeim_Click(); });
  connect(cmdEnde_, &QPushButton::clicked, this, [this] { cmdEnde_Click(); });
  connect(cmdStarten_, &QPushButton::clicked, this, [this] { cmdStarten_Click(); });
  // The start button shows its second picture while it is held down.
  connect(cmdStarten_, &QPushButton::pressed, this,
          [this] { cmdStarten_->setIcon(QIcon(startPictureAlternate_)); });
  connect(cmdStarten_, &QPushButton::released, this,
          [this] { cmdStarten_->setIcon(QIcon(startPicture_)); });
  for (int i = 0; i < 4; ++i) {
    connect(cmdHome_[i], &QPushButton::clicked, this,
            [this, i] { cmdHome_Click(static_cast<std::int16_t>(i)); });
  }
  connect(Command1_, &QPushButton::clicked, this, [this] { Command1_Click(); });
  connect(Command2_, &QPushButton::clicked, this, [this] { Command2_Click(); });
}

void Simulation::SetTabOrder() {
  // clang-format off
  const std::vector<QWidget*> order{
      picAusgabe_, frmSimulation_, frmStatistik_, cmdStarten_,
      optModus_[0], optModus_[1], optModus_[2], Text1_[0], Text1_[1], Text1_[2], Text1_[3],
      lblZuhause_[0], lblZuhause_[1], lblZuhause_[2], lblZuhause_[3], Command1_, Command2_,
      Frame1_, txtRaster_, hscRaster_, Label2_, Option1_[0], Option1_[1], lblZuhause_[4], Text2_,
      Label3_, chkHeim_, Option1_[2], Text3_, Text4_, Picture1_, cmdEnde_, hscWaRi_,
      Text5_[0], Text5_[1], cmdHome_[3], cmdHome_[2], cmdHome_[1], cmdHome_[0], picSchritte_,
      Text6_, picRandtreffer_[1], picRandtreffer_[2], picRandtreffer_[3], picRandtreffer_[0],
      Check1_};
  // clang-format on
  // Labels, frames and the picture areas hold their place but take no focus.
  QWidget* previous = nullptr;
  for (QWidget* control : order) {
    if ((control->focusPolicy() & Qt::TabFocus) == 0) continue;
    if (previous) setTabOrder(previous, control);
    previous = control;
  }
}

// ---------------------------------------------------------------------------------------------
// Start-up and layout

void Simulation::Form_Load() {
  generator_ = GeneratorSource(Xoshiro128::SeededFromClock());
  Text6_->hide();
  Text5_[0]->hide();
  Text5_[1]->hide();
  hscWaRi_->hide();
  walk_.state().homeX = 0;
  walk_.state().homeY = 0;
  ArrangeControls();
  Picture1_->Cls();
  lattice_->HideEndMarker();
  walk_.DrawLattice();
  Picture1_->Cls();
  // Position, coordinates, fresh edge counts and the walker picture on the origin.
  walk_.StartUp();
}

void Simulation::Form_Resize() {
  ArrangeControls();
}

void Simulation::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  Form_Resize();
}

void Simulation::changeEvent(QEvent* event) {
  QWidget::changeEvent(event);
  if (event->type() == QEvent::WindowStateChange) Form_Resize();
}

// Places every control for the size of the screen the window is on; the window's own size
// plays no part. The lattice is redrawn as soon as the lattice view has its new size.
void Simulation::ArrangeControls() {
  const QScreen* shown = screen();
  const QRect pixels = shown->geometry();
  const double dpiX = shown->logicalDotsPerInchX();
  const double dpiY = shown->logicalDotsPerInchY();
  arrangement_ = quirlweg::ArrangeControls(PixelsToTwips(pixels.width(), dpiX),
                                           PixelsToTwips(pixels.height(), dpiY));
  for (std::size_t i = 0; i < arrangement_.controls.size(); ++i) {
    if (i == kPlacedBeforeLattice) walk_.DrawLattice();
    ApplyPlacement(arrangement_.controls[i], dpiX, dpiY);
  }
  for (const LinePlacement& line : arrangement_.lines) ApplyLine(line, dpiX, dpiY);
  FitButtonPictures();
}

QRect Simulation::PixelRect(double left, double top, double width, double height, double dpiX,
                            double dpiY) {
  // Both edges are rounded, so that neighbouring controls keep their gaps.
  const int x = TwipsToPixels(left, dpiX);
  const int y = TwipsToPixels(top, dpiY);
  const int right = TwipsToPixels(left + width, dpiX);
  const int bottom = TwipsToPixels(top + height, dpiY);
  return {x, y, std::max(1, right - x), std::max(1, bottom - y)};
}

void Simulation::ApplyPlacement(const ControlPlacement& placement, double dpiX, double dpiY) {
  QWidget* control = byName_.value(FromUtf8(placement.name));
  if (!control) return;
  control->setGeometry(
      PixelRect(placement.left, placement.top, placement.width, placement.height, dpiX, dpiY));
  // A picture area takes on its new size when it is told of the resize, which Qt holds back
  // while the window is hidden (during loading and its first showing). The lattice is drawn
  // right after, so the area is told at once; the later notice then changes nothing.
  if (control->testAttribute(Qt::WA_PendingResizeEvent) && qobject_cast<PictureArea*>(control)) {
    QResizeEvent resized(control->size(), control->size());
    QCoreApplication::sendEvent(control, &resized);
  }
  if (placement.fontSize) {
    QFont font = control->font();
    font.setPointSizeF(*placement.fontSize);
    if (auto* area = qobject_cast<PictureArea*>(control)) font = FittingFont(font, *area);
    control->setFont(font);
  }
}

void Simulation::ApplyLine(const LinePlacement& line, double dpiX, double dpiY) {
  QWidget* control = byName_.value(FromUtf8(line.name));
  if (!control) return;
  control->setGeometry(
      PixelRect(line.x1, line.y1, line.x2 - line.x1, line.y2 - line.y1, dpiX, dpiY));
}

// The start pictures fill the start button as far as their shape allows; the arrows take
// about two thirds of their buttons.
void Simulation::FitButtonPictures() {
  const QSize room = cmdStarten_->size() - QSize(6, 6);
  const QSize pictureSize = kStartPictureSize.scaled(room, Qt::KeepAspectRatio);
  const qreal ratio = devicePixelRatioF();
  if (pictureSize != startPicture_.deviceIndependentSize().toSize() || startPicture_.isNull()) {
    startPicture_ = RenderPicture(kStartPicture, pictureSize, ratio);
    startPictureAlternate_ = RenderPicture(kStartPictureAlternate, pictureSize, ratio);
  }
  cmdStarten_->setIconSize(pictureSize);
  cmdStarten_->setIcon(QIcon(cmdStarten_->isDown() ? startPictureAlternate_ : startPicture_));

  for (QPushButton* arrow : {cmdHome_[2], cmdHome_[3]}) {
    const int side = std::max(1, std::min(arrow->width(), arrow->height()) * 2 / 3);
    arrow->setIconSize(QSize(side, side));
  }
}

// A restored window shows the whole laid-out area where the screen has room for it.
QSize Simulation::NormalSize() const {
  const QScreen* shown = screen();
  const double dpiX = shown->logicalDotsPerInchX();
  const double dpiY = shown->logicalDotsPerInchY();
  // The laid-out area reaches 11892 x 8552 twips from the window's corner; add a margin.
  constexpr double kDesignWidth = 11892 + 360;
  constexpr double kDesignHeight = 8552 + 440;
  const QSize wanted(TwipsToPixels(kDesignWidth * arrangement_.scaleX, dpiX),
                     TwipsToPixels(kDesignHeight * arrangement_.scaleY, dpiY));
  return wanted.boundedTo(shown->availableGeometry().size()).expandedTo(minimumSize());
}

// ---------------------------------------------------------------------------------------------
// Settings handlers

void Simulation::hscRaster_Change(int value) {
  txtRaster_->setText(QString::fromStdString(StrForm(-value) + " ..." + StrForm(value)));
  walk_.ChangeLatticeSize();
}

void Simulation::hscWaRi_Change(int value) {
  const auto leftPercent = static_cast<std::int16_t>(100 - value);
  Text5_[0]->setText(QString::fromStdString("p(links)=" + StrForm(leftPercent / 100.0)));
  Text5_[1]->setText(QString::fromStdString("p(rechts)=" + StrForm(value / 100.0)));
}

void Simulation::Option1_Click(std::int16_t index) {
  walk_.MoveStartToOrigin();
  // The probability controls belong to the one-dimensional walk only.
  const bool oneDimensional = index == 0;
  Text5_[0]->setVisible(oneDimensional);
  Text5_[1]->setVisible(oneDimensional);
  hscWaRi_->setVisible(oneDimensional);
}

void Simulation::Check1_Click() {
  Text6_->hide();
  if (Check1_->isChecked()) Text6_->show();
}

void Simulation::cmdEnde_Click() {
  close();
}

void Simulation::cmdStarten_Click() {
  // While the run goes on the button shows its picture without the word "Start".
  cmdStarten_->setIcon(QIcon(startPictureAlternate_));
  stepsSinceClockRead_ = 0;
  walk_.cmdStarten_Click();
  cmdStarten_->setIcon(QIcon(startPicture_));
  DrawFrame();
}

void Simulation::cmdHome_Click(std::int16_t index) {
  walk_.cmdHome_Click(index);
}

void Simulation::chkHeim_Click() {
  walk_.chkHeim_Click();
}

void Simulation::Command1_Click() {
  walk_.ClearTraces();
}

void Simulation::Command2_Click() {
  walk_.ResetCounters();
}

// ---------------------------------------------------------------------------------------------
// Settings, read from the controls at the moment of use

int Simulation::Dimension() const {
  if (Option1_[0]->isChecked()) return 1;
  if (Option1_[2]->isChecked()) return 3;
  return 2;
}

double Simulation::RightProbability() const {
  return hscWaRi_->value() / 100.0;
}

bool Simulation::HomeAbsorbs() const {
  return chkHeim_->isChecked();
}

int Simulation::LatticeSize() const {
  return hscRaster_->value();
}

RunMode Simulation::Mode() const {
  if (optModus_[0]->isChecked()) return RunMode::Step;
  if (optModus_[2]->isChecked()) return RunMode::TwentyJourneys;
  return RunMode::Journey;
}

char Simulation::DecimalSeparator() const {
  const QString point = QLocale::system().decimalPoint();
  // A separator outside ASCII cannot travel as one char; the point stands in for it.
  if (point.isEmpty() || point.front().unicode() > 0x7F) return '.';
  return static_cast<char>(point.front().unicode());
}

// ---------------------------------------------------------------------------------------------
// Display requests of the walk that belong to the window

void Simulation::Notice(std::string_view text) {
  QMessageBox box(QMessageBox::NoIcon, QStringLiteral("Quirlweg"), FromUtf8(text), QMessageBox::Ok,
                  this);
  box.exec();
  lastFrame_ = Clock::now();
}

void Simulation::StepTaken() {
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
  QCoreApplication::sendPostedEvents(picAusgabe_);
  QEvent request(QEvent::UpdateRequest);
  QCoreApplication::sendEvent(this, &request);
  ++framesDrawn_;
  lastFrame_ = Clock::now();
}

}  // namespace quirlweg
