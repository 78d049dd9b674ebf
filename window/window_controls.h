#pragma once

#include <QFont>
#include <QHash>
#include <QString>
#include <array>

#include "display/walk_displays.h"

class QButtonGroup;
class QCheckBox;
class QFrame;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class QScrollBar;
class QSlider;
class QWidget;

namespace quirlweg {

class ImageControl;
class PictureArea;
class ShapeControl;

// Every control of the main window, by role. Each carries its classic name as object name
// ("Text1(0)" for array members), by which the layout places it.
struct WindowControls {
  // Over the lattice view and around it.
  PictureArea* latticeView = nullptr;
  ShapeControl* endMarker = nullptr;
  ImageControl* walkerPicture = nullptr;
  PictureArea* coordinatesArea = nullptr;
  PictureArea* stepsArea = nullptr;
  std::array<PictureArea*, 4> hitAreas{};  // top, right, bottom, left
  QLineEdit* positionCaption = nullptr;    // "P(t) = " before the coordinates
  QLineEdit* planeNote = nullptr;          // " Ebene z = 0"
  QPlainTextEdit* protocolBox = nullptr;
  std::array<QPushButton*, 4> startPointButtons{};  // left, right, up, down

  // Settings.
  QGroupBox* settingsFrame = nullptr;
  QLabel* latticeSizeLabel = nullptr;
  QScrollBar* latticeSizeBar = nullptr;
  QLineEdit* latticeRangeBox = nullptr;
  QFrame* upperLine = nullptr;
  QLabel* dimensionLabel = nullptr;
  std::array<QRadioButton*, 3> dimensionOptions{};  // 1, 2, 3
  std::array<QLineEdit*, 2> probabilityBoxes{};     // p(links), p(rechts)
  QScrollBar* probabilityBar = nullptr;
  QFrame* lowerLine = nullptr;
  QCheckBox* homeAbsorbsBox = nullptr;
  QButtonGroup* dimensionGroup = nullptr;

  // Runs.
  QGroupBox* runFrame = nullptr;
  QPushButton* startButton = nullptr;
  std::array<QRadioButton*, 3> modeOptions{};  // Schritt, Reise, 20 Reisen
  QPushButton* endButton = nullptr;
  QButtonGroup* modeGroup = nullptr;
  QLabel* tempoLabel = nullptr;
  QSlider* tempoSlider = nullptr;  // positions index kTempoSteps
  QLabel* tempoText = nullptr;

  // Statistics.
  QGroupBox* statisticsFrame = nullptr;
  std::array<QLabel*, 5> statisticsLabels{};  // zu Hause, am Rand, %, %, mittlere Weglänge
  std::array<QLineEdit*, 4> countBoxes{};     // home, home share, boundary, boundary share
  QLineEdit* meanLengthBox = nullptr;
  QPushButton* clearTracesButton = nullptr;
  QPushButton* resetCountersButton = nullptr;
  QCheckBox* showProtocolBox = nullptr;

  // Below the lattice view: opens the evaluation window.
  QPushButton* evaluationButton = nullptr;
  // Beside it in the lesson arrangement only: the settings in place of the statistics.
  QPushButton* settingsSwitch = nullptr;

  QHash<QString, QWidget*> byName;  // the controls the layout places, by object name
};

// Creates every control with its initial properties as a child of `window`, back to front.
WindowControls BuildControls(QWidget& window);

// The widgets the walk's displays draw into.
DisplayWidgets DisplayWidgetsOf(const WindowControls& controls);

// "10 Schritte/s", or "max" for the fastest tempo.
QString TempoText(int stepsPerSecond);

// "p(links)=" for side 0, "p(rechts)=" for side 1: the start of the probability boxes' texts.
QString ProbabilityPrefix(int side);

// The window's default face: a plain sans serif at 8.25 points.
QFont DefaultFont();

}  // namespace quirlweg
