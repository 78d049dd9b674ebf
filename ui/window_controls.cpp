#include "ui/window_controls.h"

#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPalette>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <vector>

#include "display/controls.h"
#include "display/picture_area.h"

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

// Creates the controls into `controls`, each named and registered for the layout.
class ControlBuilder {
 public:
  ControlBuilder(WindowControls& controls, QWidget& window) : c_(controls), window_(window) {}

  void CreateAll();

 private:
  void CreatePictureAreas();
  void CreateStartPointCross();
  void CreateSettingsFrame();
  void CreateSimulationFrame();
  void CreateStatisticsFrame();
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
  c_.positionCaption =
      Named(new QLineEdit(QStringLiteral("P(t) = "), &window_), QStringLiteral("Text4"));
  c_.positionCaption->setFont(DesignFont(Face::Sans, 9.75));
  c_.positionCaption->setFrame(false);  // a fixed label that reads as one line with the coordinates
  SetBaseColor(c_.positionCaption, SystemColor(QPalette::Button));

  c_.planeNote =
      Named(new QLineEdit(QStringLiteral(" Ebene z = 0"), &window_), QStringLiteral("Text3"));
  c_.planeNote->setFont(DefaultFont());
  c_.planeNote->setStyleSheet(
      QStringLiteral("QLineEdit { border: 1px solid black; background: rgb(255, 255, 128); }"));
  c_.planeNote->setToolTip(QStringLiteral("Die Ansicht zeigt die Ebene z = 0"));

  c_.protocolBox = Named(new QPlainTextEdit(&window_), QStringLiteral("Text6"));
  c_.protocolBox->setFont(DesignFont(Face::Mono, 12));
  c_.protocolBox->setFrameShape(QFrame::Box);
  c_.protocolBox->setFrameShadow(QFrame::Plain);
  c_.protocolBox->setLineWidth(1);
  c_.protocolBox->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  SetBaseColor(c_.protocolBox, SystemColor(QPalette::Midlight));
  c_.protocolBox->setToolTip(
      QStringLiteral("Protokoll: Nummer, L\u00e4nge und Endpunkt jeder Reise"));

  CreateStartPointCross();
  CreateSettingsFrame();
  CreateSimulationFrame();
  CreateStatisticsFrame();
}

void ControlBuilder::CreatePictureAreas() {
  const QColor windowText = SystemColor(QPalette::WindowText);

  c_.latticeView = Named(new PictureArea(&window_), QStringLiteral("picAusgabe"));
  c_.latticeView->setFont(DefaultFont());
  c_.latticeView->SetBackColor(QColor(224, 224, 224));
  c_.latticeView->SetForeColor(windowText);
  c_.latticeView->SetDrawWidth(4);
  c_.latticeView->Cls();
  c_.latticeView->setToolTip(QStringLiteral("Das Gitter mit den Spuren des Wanderers"));

  // Children of the lattice view, above its drawing; the walker above the end marker.
  c_.endMarker = Named(new ShapeControl(c_.latticeView), QStringLiteral("shpWippo2"));
  c_.endMarker->SetFillColor(QColor(64, 0, 0));
  c_.endMarker->SetBorderColor(Qt::black);
  c_.walkerPicture = Named(new ImageControl(c_.latticeView), QStringLiteral("Image4"));

  const QColor buttonFace = SystemColor(QPalette::Button);
  c_.coordinatesArea = Named(new PictureArea(&window_), QStringLiteral("Picture1"));
  c_.coordinatesArea->setFont(DesignFont(Face::Sans, 9.75));
  c_.coordinatesArea->SetBackColor(buttonFace);
  c_.coordinatesArea->SetForeColor(windowText);
  c_.coordinatesArea->Cls();
  c_.coordinatesArea->setToolTip(QStringLiteral("Ort des Wanderers (x, y, z)"));

  c_.stepsArea = Named(new PictureArea(&window_), QStringLiteral("picSchritte"));
  c_.stepsArea->setFont(DefaultFont());
  c_.stepsArea->SetBackColor(buttonFace);
  c_.stepsArea->SetForeColor(windowText);
  c_.stepsArea->Cls();
  c_.stepsArea->setToolTip(QStringLiteral("Schritte der laufenden Reise"));

  static constexpr std::array<const char*, 4> kEdges{"oberen", "rechten", "unteren", "linken"};
  for (int i = 0; i < 4; ++i) {
    auto* hits = Named(new PictureArea(&window_), ArrayName("picRandtreffer", i));
    hits->setFont(DesignFont(Face::Sans, 8.25, true));
    hits->SetBackColor(QColor(255, 255, 128));
    hits->SetForeColor(windowText);
    hits->Cls();
    hits->setToolTip(
        QStringLiteral("Reisen, die am %1 Rand endeten").arg(QLatin1String(kEdges[i])));
    c_.hitAreas[i] = hits;
  }
}

void ControlBuilder::CreateStartPointCross() {
  static constexpr std::array<const char*, 4> kCaptions{"<", ">", "", ""};
  static constexpr std::array<const char*, 4> kTips{
      "Startpunkt nach links", "Startpunkt nach rechts", "Startpunkt nach oben",
      "Startpunkt nach unten"};
  for (int i = 0; i < 4; ++i) {
    auto* button =
        Named(new QPushButton(QLatin1String(kCaptions[i]), &window_), ArrayName("cmdHome", i));
    button->setFont(DefaultFont());
    button->setToolTip(QString::fromUtf8(kTips[i]));
    c_.startPointButtons[i] = button;
  }
}

void ControlBuilder::CreateSettingsFrame() {
  c_.settingsFrame = Named(new QGroupBox(&window_), QStringLiteral("Frame1"));
  c_.settingsFrame->setFont(DesignFont(Face::Sans, 9.75));

  c_.latticeSizeLabel =
      Named(new QLabel(QStringLiteral("Raster"), c_.settingsFrame), QStringLiteral("Label3"));
  c_.latticeSizeLabel->setFont(DesignFont(Face::Sans, 13.5));

  c_.latticeSizeBar =
      Named(new QScrollBar(Qt::Horizontal, c_.settingsFrame), QStringLiteral("hscRaster"));
  c_.latticeSizeBar->setRange(2, 50);
  c_.latticeSizeBar->setSingleStep(1);
  c_.latticeSizeBar->setPageStep(5);
  c_.latticeSizeBar->setValue(5);
  c_.latticeSizeBar->setFocusPolicy(Qt::StrongFocus);
  c_.latticeSizeBar->setToolTip(QStringLiteral("Gittergr\u00f6\u00dfe R (2 bis 50)"));

  c_.latticeRangeBox = Named(new QLineEdit(QStringLiteral("-5 ...5"), c_.settingsFrame),
                             QStringLiteral("txtRaster"));
  c_.latticeRangeBox->setFont(DesignFont(Face::Sans, 13.5));
  c_.latticeRangeBox->setAlignment(Qt::AlignCenter);
  c_.latticeRangeBox->setFrame(false);
  SetBaseColor(c_.latticeRangeBox, SystemColor(QPalette::Midlight, QPalette::Inactive));

  c_.upperLine = Named(new QFrame(c_.settingsFrame), QStringLiteral("Line1"));

  c_.dimensionLabel =
      Named(new QLabel(QStringLiteral("Dimension"), c_.settingsFrame), QStringLiteral("Label2"));
  c_.dimensionLabel->setFont(DesignFont(Face::Sans, 13.5));

  c_.dimensionGroup = new QButtonGroup(&window_);
  for (int i = 0; i < 3; ++i) {
    auto* option =
        Named(new QRadioButton(QString::number(i + 1), c_.settingsFrame), ArrayName("Option1", i));
    option->setFont(DesignFont(Face::Sans, 18));
    option->setToolTip(QStringLiteral("Irrfahrt in %1 Dimension%2")
                           .arg(i + 1)
                           .arg(i == 0 ? QString() : QStringLiteral("en")));
    c_.dimensionGroup->addButton(option, i);
    c_.dimensionOptions[i] = option;
  }
  c_.dimensionOptions[1]->setChecked(true);

  static constexpr std::array<const char*, 2> kProbabilityTexts{"p(links)=0,5", "p(rechts)=0,5"};
  for (int i = 0; i < 2; ++i) {
    auto* text = Named(new QLineEdit(QLatin1String(kProbabilityTexts[i]), c_.settingsFrame),
                       ArrayName("Text5", i));
    text->setFont(DefaultFont());
    text->setAlignment(Qt::AlignCenter);
    c_.probabilityBoxes[i] = text;
  }

  c_.probabilityBar =
      Named(new QScrollBar(Qt::Horizontal, c_.settingsFrame), QStringLiteral("hscWaRi"));
  c_.probabilityBar->setRange(0, 100);
  c_.probabilityBar->setSingleStep(1);
  c_.probabilityBar->setPageStep(10);
  c_.probabilityBar->setValue(50);
  c_.probabilityBar->setFocusPolicy(Qt::StrongFocus);
  c_.probabilityBar->setToolTip(
      QStringLiteral("Wahrscheinlichkeit f\u00fcr einen Schritt nach rechts"));

  c_.lowerLine = Named(new QFrame(c_.settingsFrame), QStringLiteral("Line2"));
  for (QFrame* line : {c_.upperLine, c_.lowerLine}) {
    // A plain black stroke, one pixel wide.
    QPalette palette = line->palette();
    palette.setColor(QPalette::Window, Qt::black);
    line->setPalette(palette);
    line->setAutoFillBackground(true);
  }

  c_.homeAbsorbsBox = Named(new QCheckBox(QStringLiteral("Heimkreis absorbiert"), c_.settingsFrame),
                            QStringLiteral("chkHeim"));
  c_.homeAbsorbsBox->setFont(DesignFont(Face::Serif, 14.25));
  c_.homeAbsorbsBox->setChecked(true);
  c_.homeAbsorbsBox->setToolTip(
      QStringLiteral("Eine Reise endet auch, wenn der Wanderer den Ursprung erreicht"));
}

void ControlBuilder::CreateSimulationFrame() {
  c_.runFrame =
      Named(new QGroupBox(QStringLiteral("Simulation"), &window_), QStringLiteral("frmSimulation"));
  c_.runFrame->setFont(DesignFont(Face::Sans, 9.75));

  c_.startButton = Named(new QPushButton(c_.runFrame), QStringLiteral("cmdStarten"));
  c_.startButton->setFont(DesignFont(Face::Sans, 9.75, true));
  c_.startButton->setToolTip(QStringLiteral("Startet Schritt, Reise oder 20 Reisen"));

  c_.modeGroup = new QButtonGroup(&window_);
  static constexpr std::array<const char*, 3> kModes{"Schritt", "Reise", "20 Reisen"};
  for (int i = 0; i < 3; ++i) {
    auto* option =
        Named(new QRadioButton(QLatin1String(kModes[i]), c_.runFrame), ArrayName("optModus", i));
    option->setFont(DesignFont(Face::Sans, 9.75));
    c_.modeGroup->addButton(option, i);
    c_.modeOptions[i] = option;
  }
  c_.modeOptions[1]->setChecked(true);

  c_.endButton =
      Named(new QPushButton(QStringLiteral("Ende"), c_.runFrame), QStringLiteral("cmdEnde"));
  c_.endButton->setFont(DesignFont(Face::Sans, 9.75, true));
  c_.endButton->setToolTip(QStringLiteral("Beendet das Programm"));
}

void ControlBuilder::CreateStatisticsFrame() {
  c_.statisticsFrame =
      Named(new QGroupBox(QStringLiteral("Statistik"), &window_), QStringLiteral("frmStatistik"));
  c_.statisticsFrame->setFont(DesignFont(Face::Sans, 9.75));

  static constexpr std::array<const char*, 5> kLabels{"zu Hause", "am Rand", "%", "%",
                                                      "mittlere Wegl\u00e4nge"};
  for (int i = 0; i < 5; ++i) {
    auto* label = Named(new QLabel(QString::fromUtf8(kLabels[i]), c_.statisticsFrame),
                        ArrayName("lblZuhause", i));
    const bool percent = i == 2 || i == 3;
    label->setFont(DesignFont(percent ? Face::Sans : Face::Serif, 12));
    c_.statisticsLabels[i] = label;
  }

  static constexpr std::array<const char*, 4> kCountTips{
      "Reisen, die zu Hause endeten", "Anteil der Reisen, die zu Hause endeten, in Prozent",
      "Reisen, die am Rand endeten", "Anteil der Reisen, die am Rand endeten, in Prozent"};
  for (int i = 0; i < 4; ++i) {
    auto* box =
        Named(new QLineEdit(QStringLiteral("0"), c_.statisticsFrame), ArrayName("Text1", i));
    box->setFont(DesignFont(Face::Sans, 13.5));
    box->setAlignment(Qt::AlignCenter);
    SetBaseColor(box, i < 2 ? QColor(255, 255, 255) : QColor(255, 255, 0));
    box->setToolTip(QString::fromUtf8(kCountTips[i]));
    c_.countBoxes[i] = box;
  }

  c_.meanLengthBox =
      Named(new QLineEdit(QStringLiteral("0"), c_.statisticsFrame), QStringLiteral("Text2"));
  c_.meanLengthBox->setFont(DesignFont(Face::Sans, 13.5));
  c_.meanLengthBox->setAlignment(Qt::AlignCenter);
  SetBaseColor(c_.meanLengthBox, QColor(0, 255, 255));
  c_.meanLengthBox->setToolTip(QStringLiteral("Mittlere Zahl der Schritte je Reise"));

  c_.clearTracesButton =
      Named(new QPushButton(QStringLiteral("Spuren l\u00f6schen"), c_.statisticsFrame),
            QStringLiteral("Command1"));
  c_.clearTracesButton->setFont(DesignFont(Face::Serif, 9.75));
  c_.clearTracesButton->setToolTip(
      QStringLiteral("L\u00f6scht die Spuren und zeichnet das Gitter neu"));

  c_.resetCountersButton =
      Named(new QPushButton(QStringLiteral("Z\u00e4hler l\u00f6schen"), c_.statisticsFrame),
            QStringLiteral("Command2"));
  c_.resetCountersButton->setFont(DesignFont(Face::Serif, 9.75));
  c_.resetCountersButton->setToolTip(
      QStringLiteral("Setzt alle Z\u00e4hler und das Protokoll zur\u00fcck"));

  c_.showProtocolBox =
      Named(new QCheckBox(QStringLiteral("Protokoll einblenden"), c_.statisticsFrame),
            QStringLiteral("Check1"));
  c_.showProtocolBox->setFont(DesignFont(Face::Serif, 9.75));
}

}  // namespace

QFont DefaultFont() {
  return DesignFont(Face::Sans, 8.25);
}

void AddEvaluationButton(WindowControls& controls, QWidget& window);

WindowControls BuildControls(QWidget& window) {
  WindowControls controls;
  ControlBuilder(controls, window).CreateAll();
  AddEvaluationButton(controls, window);
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

void SetTabOrder(const WindowControls& c, QWidget& window) {
  // clang-format off
  const std::vector<QWidget*> order{
      c.latticeView, c.runFrame, c.statisticsFrame, c.startButton,
      c.modeOptions[0], c.modeOptions[1], c.modeOptions[2], c.countBoxes[0], c.countBoxes[1], c.countBoxes[2], c.countBoxes[3],
      c.statisticsLabels[0], c.statisticsLabels[1], c.statisticsLabels[2], c.statisticsLabels[3], c.clearTracesButton, c.resetCountersButton,
      c.settingsFrame, c.latticeRangeBox, c.latticeSizeBar, c.dimensionLabel, c.dimensionOptions[0], c.dimensionOptions[1], c.statisticsLabels[4], c.meanLengthBox,
      c.latticeSizeLabel, c.homeAbsorbsBox, c.dimensionOptions[2], c.planeNote, c.positionCaption, c.coordinatesArea, c.endButton, c.probabilityBar,
      c.probabilityBoxes[0], c.probabilityBoxes[1], c.startPointButtons[3], c.startPointButtons[2], c.startPointButtons[1], c.startPointButtons[0], c.stepsArea,
      c.protocolBox, c.hitAreas[1], c.hitAreas[2], c.hitAreas[3], c.hitAreas[0],
      c.showProtocolBox, c.evaluationButton};
  // clang-format on
  // Labels, frames and the picture areas hold their place but take no focus.
  QWidget* previous = nullptr;
  for (QWidget* control : order) {
    if ((control->focusPolicy() & Qt::TabFocus) == 0) continue;
    if (previous) window.setTabOrder(previous, control);
    previous = control;
  }
}

// ---------------------------------------------------------------------------------------------
// Start-up and layout

// Created last, above everything else; it shares the lattice view's lower edge as Text3 does.
void AddEvaluationButton(WindowControls& controls, QWidget& window) {
  auto* button =
      new QPushButton(QCoreApplication::translate("Simulation", "&Auswertung …"), &window);
  button->setObjectName(QStringLiteral("cmdAuswertung"));
  button->setFont(DefaultFont());
  button->setToolTip(QCoreApplication::translate(
      "Simulation", "Vergleicht die gezählten Reisen mit den exakten Werten"));
  button->setAccessibleName(QCoreApplication::translate("Simulation", "Auswertung"));
  controls.byName.insert(button->objectName(), button);
  controls.evaluationButton = button;
}

}  // namespace quirlweg
