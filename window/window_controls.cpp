#include "window/window_controls.h"

#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QCoreApplication>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPalette>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QSlider>
#include <utility>
#include <vector>

#include "display/controls.h"
#include "display/fitting_box.h"
#include "display/picture_area.h"
#include "display/qt_text.h"
#include "display/setting_bar.h"
#include "display/statistics_displays.h"
#include "engine/text_forms.h"
#include "layout/layout.h"
#include "lesson/tempo_scale.h"
#include "picture/trace_style.h"
#include "window/control_settings.h"
#include "window/settings_switch.h"

namespace quirlweg {
namespace {

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

QString ArrayName(const char* base, int index) {
  return QStringLiteral("%1(%2)").arg(QLatin1String(base)).arg(index);
}

void SetBaseColor(QWidget* box, QColor color) {
  QPalette palette = box->palette();
  palette.setColor(QPalette::Base, color);
  box->setPalette(palette);
}

QColor SystemColor(QPalette::ColorRole role, QPalette::ColorGroup group = QPalette::Active) {
  return QApplication::palette().color(group, role);
}

// Row labels carry their text at the top, level with the boxes beside them.
constexpr Qt::Alignment kRowLabelAlignment = Qt::AlignLeft | Qt::AlignTop;

// A frame whose caption sits on its top line, drawn across it, as classic frames are drawn;
// without a caption the line runs along the frame's top.
void StyleAsClassicFrame(QGroupBox& frame) {
  const QString top = frame.title().isEmpty() ? QStringLiteral("0") : QStringLiteral("0.6em");
  frame.setStyleSheet(
      QStringLiteral("QGroupBox { border: 1px solid palette(mid); margin-top: %1; }"
                     "QGroupBox::title { subcontrol-origin: margin; subcontrol-position: top left;"
                     " left: 0.6em; top: 0; padding: 0 0.2em; }")
          .arg(top));
}

// Creates the controls into `controls`, each named and registered for the layout.
class ControlBuilder {
  Q_DECLARE_TR_FUNCTIONS(Simulation)

 public:
  ControlBuilder(WindowControls& controls, QWidget& window) : c_(controls), window_(window) {}

  void CreateAll();

 private:
  void CreatePictureAreas();
  void CreateStartPointCross();
  void CreateSettingsFrame();
  void CreateSimulationFrame();
  void CreateStatisticsFrame();
  void CreateTempoControl();
  void CreateEvaluationButton();
  void NameForAssistiveTechnology();
  template <class Control>
  Control* Named(Control* control, const QString& name) {
    control->setObjectName(name);
    c_.byName.insert(name, control);
    return control;
  }

  WindowControls& c_;
  QWidget& window_;
};

void ControlBuilder::CreateAll() {
  // Created back to front: the lattice view first, so that the boxes over its edges, the
  // start-point cross and the protocol list lie above it.
  CreatePictureAreas();
  c_.positionCaption = Named(new FittingBox(tr("P(t) = "), &window_), QStringLiteral("Text4"));
  c_.positionCaption->setFont(DesignFont(Face::Sans, 9.75));
  c_.positionCaption->setFrame(false);  // a fixed label that reads as one line with the coordinates
  SetBaseColor(c_.positionCaption, SystemColor(QPalette::Button));

  c_.planeNote = Named(new FittingBox(tr(" Ebene z = 0"), &window_), QStringLiteral("Text3"));
  c_.planeNote->setFont(DefaultFont());
  c_.planeNote->setStyleSheet(
      QStringLiteral("QLineEdit { border: 1px solid black; background: rgb(255, 255, 128); }"));
  c_.planeNote->setToolTip(tr("Die Ansicht zeigt die Ebene z = 0"));

  c_.protocolBox = Named(new QPlainTextEdit(&window_), QStringLiteral("Text6"));
  c_.protocolBox->setFont(DesignFont(Face::Mono, 12));
  c_.protocolBox->setFrameShape(QFrame::Box);
  c_.protocolBox->setFrameShadow(QFrame::Plain);
  c_.protocolBox->setLineWidth(1);
  c_.protocolBox->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  SetBaseColor(c_.protocolBox, SystemColor(QPalette::Midlight));
  c_.protocolBox->setToolTip(tr("Protokoll: Nummer, Länge und Endpunkt jeder Reise"));

  CreateStartPointCross();
  CreateSettingsFrame();
  CreateSimulationFrame();
  CreateStatisticsFrame();
  CreateEvaluationButton();
  // Every box shows its text from the first character, as classic text boxes do. Each shows a
  // figure or a text of the program's, which only the program writes: typing into the counts
  // would change what the walk counts on from.
  // They stay selectable with the mouse but leave the Tab order to the controls a class works.
  for (auto* box : window_.findChildren<QLineEdit*>()) {
    box->setReadOnly(true);
    box->setCursorPosition(0);
    box->setFocusPolicy(Qt::ClickFocus);
  }
  c_.protocolBox->setFocusPolicy(Qt::ClickFocus);
  NameForAssistiveTechnology();
}

// Screen readers name each control by its role and describe it by its tooltip; buttons, check
// boxes, options and frames with a caption are named by their text already.
void ControlBuilder::NameForAssistiveTechnology() {
  const std::pair<QWidget*, const char*> names[] = {
      {c_.latticeView, QT_TR_NOOP("Gitter")},
      {c_.coordinatesArea, QT_TR_NOOP("Ort des Wanderers")},
      {c_.stepsArea, QT_TR_NOOP("Schritte")},
      {c_.hitAreas[0], QT_TR_NOOP("Treffer oben")},
      {c_.hitAreas[1], QT_TR_NOOP("Treffer rechts")},
      {c_.hitAreas[2], QT_TR_NOOP("Treffer unten")},
      {c_.hitAreas[3], QT_TR_NOOP("Treffer links")},
      {c_.positionCaption, QT_TR_NOOP("Ort")},
      {c_.planeNote, QT_TR_NOOP("Ebene")},
      {c_.protocolBox, QT_TR_NOOP("Protokoll")},
      {c_.settingsFrame, QT_TR_NOOP("Einstellungen")},
      {c_.latticeSizeBar, QT_TR_NOOP("Gittergröße")},
      {c_.latticeRangeBox, QT_TR_NOOP("Gitterbereich")},
      {c_.probabilityBar, QT_TR_NOOP("Wahrscheinlichkeit rechts")},
      {c_.probabilityBoxes[0], QT_TR_NOOP("Wahrscheinlichkeit links")},
      {c_.probabilityBoxes[1], QT_TR_NOOP("Wahrscheinlichkeit rechts")},
      {c_.meanLengthBox, QT_TR_NOOP("mittlere Weglänge")},
      {c_.tempoText, QT_TR_NOOP("Tempo")},
  };
  for (const auto& [control, name] : names) control->setAccessibleName(tr(name));
  for (QWidget* control : c_.byName) {
    if (control->accessibleDescription().isEmpty()) {
      control->setAccessibleDescription(control->toolTip());
    }
  }
}

void ControlBuilder::CreatePictureAreas() {
  const QColor windowText = SystemColor(QPalette::WindowText);

  c_.latticeView = Named(new PictureArea(&window_), QStringLiteral("picAusgabe"));
  c_.latticeView->setFont(DefaultFont());
  c_.latticeView->SetBackColor(QColor::fromRgb(kLatticeBack));
  c_.latticeView->SetForeColor(windowText);
  c_.latticeView->SetDrawWidth(4);
  c_.latticeView->Cls();
  c_.latticeView->setToolTip(tr("Das Gitter mit den Spuren des Wanderers"));

  // Children of the lattice view, above its drawing; the walker above the end marker.
  c_.endMarker = Named(new ShapeControl(c_.latticeView), QStringLiteral("shpWippo2"));
  c_.endMarker->SetFillColor(QColor(64, 0, 0));
  c_.endMarker->SetBorderColor(Qt::black);
  c_.walkerPicture = Named(new ImageControl(c_.latticeView), QStringLiteral("Image4"));
  // Our artwork, drawn for its size on screen, which follows the lattice's radius.
  c_.walkerPicture->SetPicture(QStringLiteral(":/walker.svg"));

  const QColor buttonFace = SystemColor(QPalette::Button);
  c_.coordinatesArea = Named(new PictureArea(&window_), QStringLiteral("Picture1"));
  c_.coordinatesArea->setFont(DesignFont(Face::Sans, 9.75));
  c_.coordinatesArea->SetBackColor(buttonFace);
  c_.coordinatesArea->SetForeColor(windowText);
  c_.coordinatesArea->Cls();
  c_.coordinatesArea->setToolTip(tr("Ort des Wanderers (x, y, z)"));
  c_.coordinatesArea->SetWidestLine(QString::fromStdString(CoordinateText(-50, -50, -50)));

  c_.stepsArea = Named(new PictureArea(&window_), QStringLiteral("picSchritte"));
  c_.stepsArea->setFont(DefaultFont());
  c_.stepsArea->SetBackColor(buttonFace);
  c_.stepsArea->SetForeColor(windowText);
  c_.stepsArea->Cls();
  c_.stepsArea->setToolTip(tr("Schritte der laufenden Reise"));
  // Five digits hold nearly every journey; a longer one may still run past the right edge.
  c_.stepsArea->SetWidestLine(StatisticsDisplays::tr("Schritte: ") +
                              QString::fromStdString(PrintForm(99999.0)));

  static constexpr std::array<const char*, 4> kEdgeTips{
      QT_TR_NOOP("Reisen, die am oberen Rand endeten"),
      QT_TR_NOOP("Reisen, die am rechten Rand endeten"),
      QT_TR_NOOP("Reisen, die am unteren Rand endeten"),
      QT_TR_NOOP("Reisen, die am linken Rand endeten")};
  for (int i = 0; i < 4; ++i) {
    auto* hits = Named(new PictureArea(&window_), ArrayName("picRandtreffer", i));
    hits->setFont(DesignFont(Face::Sans, 8.25, true));
    hits->SetBackColor(QColor(255, 255, 128));
    hits->SetForeColor(windowText);
    hits->Cls();
    hits->setToolTip(tr(kEdgeTips[i]));
    c_.hitAreas[i] = hits;
  }
}

void ControlBuilder::CreateStartPointCross() {
  static constexpr std::array<const char*, 4> kCaptions{"<", ">", "", ""};
  static constexpr std::array<const char*, 4> kTips{
      QT_TR_NOOP("Startpunkt nach links"), QT_TR_NOOP("Startpunkt nach rechts"),
      QT_TR_NOOP("Startpunkt nach oben"), QT_TR_NOOP("Startpunkt nach unten")};
  for (int i = 0; i < 4; ++i) {
    auto* button =
        Named(new QPushButton(QLatin1String(kCaptions[i]), &window_), ArrayName("cmdHome", i));
    button->setFont(DefaultFont());
    button->setToolTip(tr(kTips[i]));
    button->setAccessibleName(tr(kTips[i]));
    c_.startPointButtons[i] = button;
  }
}

void ControlBuilder::CreateSettingsFrame() {
  c_.settingsFrame = Named(new QGroupBox(&window_), QStringLiteral("Frame1"));
  StyleAsClassicFrame(*c_.settingsFrame);
  c_.settingsFrame->setFont(DesignFont(Face::Sans, 9.75));

  c_.latticeSizeLabel = Named(new QLabel(tr("Raster"), c_.settingsFrame), QStringLiteral("Label3"));
  c_.latticeSizeLabel->setFont(DesignFont(Face::Sans, 13.5));
  c_.latticeSizeLabel->setAlignment(kRowLabelAlignment);

  c_.latticeSizeBar = Named(new SettingBar(c_.settingsFrame), QStringLiteral("hscRaster"));
  c_.latticeSizeBar->setRange(kSmallestRadius, kLargestRadius);
  c_.latticeSizeBar->setSingleStep(1);
  c_.latticeSizeBar->setPageStep(5);
  c_.latticeSizeBar->setValue(5);
  c_.latticeSizeBar->setToolTip(tr("Gittergröße R (2 bis 50)"));

  c_.latticeRangeBox = Named(new FittingBox(QStringLiteral("-5 ...5"), c_.settingsFrame),
                             QStringLiteral("txtRaster"));
  c_.latticeRangeBox->setFont(DesignFont(Face::Sans, 13.5));
  c_.latticeRangeBox->setAlignment(Qt::AlignCenter);
  c_.latticeRangeBox->setFrame(false);
  SetBaseColor(c_.latticeRangeBox, SystemColor(QPalette::Midlight, QPalette::Inactive));

  c_.upperLine = Named(new QFrame(c_.settingsFrame), QStringLiteral("Line1"));

  c_.dimensionLabel =
      Named(new QLabel(tr("Dimension"), c_.settingsFrame), QStringLiteral("Label2"));
  c_.dimensionLabel->setFont(DesignFont(Face::Sans, 13.5));
  c_.dimensionLabel->setAlignment(kRowLabelAlignment);

  c_.dimensionGroup = new QButtonGroup(&window_);
  for (int i = 0; i < 3; ++i) {
    auto* option =
        Named(new QRadioButton(QString::number(i + 1), c_.settingsFrame), ArrayName("Option1", i));
    option->setFont(DesignFont(Face::Sans, 18));
    static constexpr std::array<const char*, 3> kDimensionTips{
        QT_TR_NOOP("Irrfahrt in 1 Dimension"), QT_TR_NOOP("Irrfahrt in 2 Dimensionen"),
        QT_TR_NOOP("Irrfahrt in 3 Dimensionen")};
    option->setToolTip(tr(kDimensionTips[i]));
    option->setAccessibleName(tr(kDimensionTips[i]));
    c_.dimensionGroup->addButton(option, i);
    c_.dimensionOptions[i] = option;
  }
  c_.dimensionOptions[1]->setChecked(true);

  for (int i = 0; i < 2; ++i) {
    auto* text = Named(new FittingBox(ProbabilityPrefix(i) +
                                          ToQString(ProbabilityAtStart(SystemDecimalSeparator())),
                                      c_.settingsFrame),
                       ArrayName("Text5", i));
    text->setFont(DefaultFont());
    text->setAlignment(Qt::AlignCenter);
    c_.probabilityBoxes[i] = text;
  }

  c_.probabilityBar = Named(new SettingBar(c_.settingsFrame), QStringLiteral("hscWaRi"));
  c_.probabilityBar->setRange(0, kMostPercent);
  c_.probabilityBar->setSingleStep(1);
  c_.probabilityBar->setPageStep(10);
  c_.probabilityBar->setValue(50);
  c_.probabilityBar->setToolTip(tr("Wahrscheinlichkeit für einen Schritt nach rechts"));

  c_.lowerLine = Named(new QFrame(c_.settingsFrame), QStringLiteral("Line2"));
  for (QFrame* line : {c_.upperLine, c_.lowerLine}) {
    // A plain black stroke, one pixel wide.
    QPalette palette = line->palette();
    palette.setColor(QPalette::Window, Qt::black);
    line->setPalette(palette);
    line->setAutoFillBackground(true);
  }

  c_.homeAbsorbsBox =
      Named(new QCheckBox(tr("Heimkreis absorbiert"), c_.settingsFrame), QStringLiteral("chkHeim"));
  c_.homeAbsorbsBox->setFont(DesignFont(Face::Serif, 14.25));
  c_.homeAbsorbsBox->setChecked(true);
  c_.homeAbsorbsBox->setToolTip(
      tr("Eine Reise endet auch, wenn der Wanderer den Ursprung erreicht"));
}

void ControlBuilder::CreateSimulationFrame() {
  c_.runFrame = Named(new QGroupBox(tr("Simulation"), &window_), QStringLiteral("frmSimulation"));
  c_.runFrame->setFont(DesignFont(Face::Sans, 9.75));
  StyleAsClassicFrame(*c_.runFrame);

  c_.startButton = Named(new QPushButton(c_.runFrame), QStringLiteral("cmdStarten"));
  c_.startButton->setFont(DesignFont(Face::Sans, 9.75, true));
  c_.startButton->setToolTip(tr("Startet Schritt, Reise oder 20 Reisen"));
  c_.startButton->setAccessibleName(tr("Start"));

  c_.modeGroup = new QButtonGroup(&window_);
  static constexpr std::array<const char*, 3> kModes{QT_TR_NOOP("Schritt"), QT_TR_NOOP("Reise"),
                                                     QT_TR_NOOP("20 Reisen")};
  for (int i = 0; i < 3; ++i) {
    auto* option = Named(new QRadioButton(tr(kModes[i]), c_.runFrame), ArrayName("optModus", i));
    option->setFont(DesignFont(Face::Sans, 9.75));
    c_.modeGroup->addButton(option, i);
    c_.modeOptions[i] = option;
  }
  c_.modeOptions[1]->setChecked(true);

  CreateTempoControl();

  c_.endButton = Named(new QPushButton(tr("Ende"), c_.runFrame), QStringLiteral("cmdEnde"));
  c_.endButton->setFont(DesignFont(Face::Sans, 9.75, true));
  c_.endButton->setToolTip(tr("Beendet das Programm"));
}

// Below the run modes: how many steps a second "Reise" and "20 Reisen" take.
void ControlBuilder::CreateTempoControl() {
  c_.tempoLabel = Named(new QLabel(tr("Tempo"), c_.runFrame), QStringLiteral("lblTempo"));
  c_.tempoLabel->setFont(DesignFont(Face::Sans, 9.75));
  c_.tempoLabel->setAlignment(kRowLabelAlignment);

  c_.tempoSlider = Named(new QSlider(Qt::Horizontal, c_.runFrame), QStringLiteral("sldTempo"));
  c_.tempoSlider->setRange(0, static_cast<int>(kTempoSteps.size()) - 1);
  c_.tempoSlider->setSingleStep(1);
  c_.tempoSlider->setPageStep(1);
  c_.tempoSlider->setValue(c_.tempoSlider->maximum());
  c_.tempoSlider->setTickPosition(QSlider::TicksBelow);
  c_.tempoSlider->setFocusPolicy(Qt::StrongFocus);
  c_.tempoSlider->setToolTip(
      tr("Schritte je Sekunde bei Reise und 20 Reisen; ganz rechts so schnell wie möglich"));
  c_.tempoSlider->setAccessibleName(tr("Tempo"));

  c_.tempoText =
      Named(new QLabel(TempoText(kFastestTempo), c_.runFrame), QStringLiteral("txtTempo"));
  c_.tempoText->setFont(DesignFont(Face::Sans, 9.75));
  c_.tempoText->setAlignment(kRowLabelAlignment);
}

// Created last, above everything else; it shares the lattice view's lower edge as the plane
// note does.
void ControlBuilder::CreateEvaluationButton() {
  c_.evaluationButton =
      Named(new QPushButton(tr("&Auswertung …"), &window_), QStringLiteral("cmdAuswertung"));
  c_.evaluationButton->setFont(DefaultFont());
  c_.evaluationButton->setToolTip(tr("Vergleicht die gezählten Reisen mit den exakten Werten"));
  c_.evaluationButton->setAccessibleName(tr("Auswertung"));
}

void ControlBuilder::CreateStatisticsFrame() {
  c_.statisticsFrame =
      Named(new QGroupBox(tr("Statistik"), &window_), QStringLiteral("frmStatistik"));
  c_.statisticsFrame->setFont(DesignFont(Face::Sans, 9.75));
  StyleAsClassicFrame(*c_.statisticsFrame);

  static constexpr std::array<const char*, 5> kLabels{QT_TR_NOOP("zu Hause"), QT_TR_NOOP("am Rand"),
                                                      "%", "%", QT_TR_NOOP("mittlere Weglänge")};
  for (int i = 0; i < 5; ++i) {
    auto* label = Named(new QLabel(tr(kLabels[i]), c_.statisticsFrame), ArrayName("lblZuhause", i));
    const bool percent = i == 2 || i == 3;
    label->setFont(DesignFont(percent ? Face::Sans : Face::Serif, 12));
    label->setAlignment(kRowLabelAlignment);
    c_.statisticsLabels[i] = label;
  }

  static constexpr std::array<const char*, 4> kCountTips{
      QT_TR_NOOP("Reisen, die zu Hause endeten"),
      QT_TR_NOOP("Anteil der Reisen, die zu Hause endeten, in Prozent"),
      QT_TR_NOOP("Reisen, die am Rand endeten"),
      QT_TR_NOOP("Anteil der Reisen, die am Rand endeten, in Prozent")};
  for (int i = 0; i < 4; ++i) {
    auto* box =
        Named(new FittingBox(QStringLiteral("0"), c_.statisticsFrame), ArrayName("Text1", i));
    box->setFont(DesignFont(Face::Sans, 13.5));
    box->setAlignment(Qt::AlignCenter);
    SetBaseColor(box, i < 2 ? QColor(255, 255, 255) : QColor(255, 255, 0));
    box->setToolTip(tr(kCountTips[i]));
    box->setAccessibleName(tr(kCountTips[i]));
    c_.countBoxes[i] = box;
  }

  c_.meanLengthBox =
      Named(new FittingBox(QStringLiteral("0"), c_.statisticsFrame), QStringLiteral("Text2"));
  c_.meanLengthBox->setFont(DesignFont(Face::Sans, 13.5));
  c_.meanLengthBox->setAlignment(Qt::AlignCenter);
  SetBaseColor(c_.meanLengthBox, QColor(0, 255, 255));
  c_.meanLengthBox->setToolTip(tr("Mittlere Zahl der Schritte je Reise"));

  c_.clearTracesButton =
      Named(new QPushButton(tr("Spuren löschen"), c_.statisticsFrame), QStringLiteral("Command1"));
  c_.clearTracesButton->setFont(DesignFont(Face::Serif, 9.75));
  c_.clearTracesButton->setToolTip(tr("Löscht die Spuren und zeichnet das Gitter neu"));

  c_.resetCountersButton =
      Named(new QPushButton(tr("Zähler löschen"), c_.statisticsFrame), QStringLiteral("Command2"));
  c_.resetCountersButton->setFont(DesignFont(Face::Serif, 9.75));
  c_.resetCountersButton->setToolTip(tr("Setzt alle Zähler und das Protokoll zurück"));

  c_.showProtocolBox = Named(new QCheckBox(tr("Protokoll einblenden"), c_.statisticsFrame),
                             QStringLiteral("Check1"));
  c_.showProtocolBox->setFont(DesignFont(Face::Serif, 9.75));
}

}  // namespace

QFont DefaultFont() {
  return DesignFont(Face::Sans, 8.25);
}

QString TempoText(int stepsPerSecond) {
  const TempoWording wording = WordingOf(stepsPerSecond);
  if (wording == TempoWording::Fastest) return QCoreApplication::translate("Simulation", "max");
  if (wording == TempoWording::OneStep)
    return QCoreApplication::translate("Simulation", "1 Schritt/s");
  return QCoreApplication::translate("Simulation", "%1 Schritte/s").arg(stepsPerSecond);
}

QString ProbabilityPrefix(int side) {
  return side == 0 ? QCoreApplication::translate("Simulation", "p(links)=")
                   : QCoreApplication::translate("Simulation", "p(rechts)=");
}

WindowControls BuildControls(QWidget& window) {
  WindowControls controls;
  ControlBuilder(controls, window).CreateAll();
  AddSettingsSwitch(controls, window);
  return controls;
}

DisplayWidgets DisplayWidgetsOf(const WindowControls& c) {
  DisplayWidgets widgets;
  widgets.lattice = c.latticeView;
  widgets.walker = c.walkerPicture;
  widgets.marker = c.endMarker;
  widgets.statistics.coordinates = c.coordinatesArea;
  widgets.statistics.steps = c.stepsArea;
  widgets.statistics.hits = c.hitAreas;
  widgets.statistics.countBoxes = {c.countBoxes[0], c.countBoxes[1], c.countBoxes[2],
                                   c.countBoxes[3], c.meanLengthBox};
  widgets.statistics.protocol = c.protocolBox;
  return widgets;
}

}  // namespace quirlweg
