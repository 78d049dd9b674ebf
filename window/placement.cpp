#include "window/placement.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QFont>
#include <QFontMetricsF>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QResizeEvent>
#include <QScrollBar>
#include <QSlider>
#include <QWidget>
#include <algorithm>
#include <string>
#include <string_view>
#include <vector>

#include "display/controls.h"
#include "display/picture_area.h"
#include "layout/twips.h"
#include "window/window_controls.h"

namespace quirlweg {
namespace {

// The font for text printed into a picture area, made smaller where a line at the laid-out
// size would be cut off at the bottom (the coordinate box is lower than its font's lines) or,
// for the area's widest line, at the right.
QFont FittingFont(QFont font, const PictureArea& area) {
  const int border = area.FlatBorder() ? 2 : 0;
  const auto shrinkTo = [&font](double room, double needed) {
    if (room > 0 && needed > room) font.setPointSizeF(font.pointSizeF() * room / needed);
  };
  shrinkTo(area.height() - border, QFontMetricsF(font).height());
  if (!area.WidestLine().isEmpty())
    shrinkTo(area.width() - border, QFontMetricsF(font).horizontalAdvance(area.WidestLine()));
  return font;
}

// A text area laid out anew in a smaller or larger font (the main window beside the evaluation)
// shows its lines again in that font, rather than the old lines cut off by its new size.
void ReprintInFont(PictureArea& area, const QFont& font) {
  const std::string shown = area.ShownText();
  area.setFont(font);
  if (shown.empty()) return;
  area.Cls();
  std::size_t from = 0;
  for (std::size_t end = shown.find('\n');; end = shown.find('\n', from)) {
    area.Print(std::string_view(shown).substr(from, end == std::string::npos ? end : end - from));
    if (end == std::string::npos) break;
    from = end + 1;
  }
}

}  // namespace

QRect PixelRect(double left, double top, double width, double height, double dpiX, double dpiY) {
  const int x = TwipsToPixels(left, dpiX);
  const int y = TwipsToPixels(top, dpiY);
  const int right = TwipsToPixels(left + width, dpiX);
  const int bottom = TwipsToPixels(top + height, dpiY);
  return {x, y, std::max(1, right - x), std::max(1, bottom - y)};
}

void PlaceControl(QWidget& control, const ControlPlacement& placement, double dpiX, double dpiY) {
  control.setGeometry(
      PixelRect(placement.left, placement.top, placement.width, placement.height, dpiX, dpiY));
  auto* area = qobject_cast<PictureArea*>(&control);
  // A picture area takes on its new size when it is told of the resize, which Qt holds back
  // while the window is hidden (during loading and its first showing). The lattice is drawn
  // right after, so the area is told at once; the later notice then changes nothing.
  if (area && control.testAttribute(Qt::WA_PendingResizeEvent)) {
    QResizeEvent resized(control.size(), control.size());
    QCoreApplication::sendEvent(&control, &resized);
  }
  if (placement.fontSize) {
    QFont font = control.font();
    font.setPointSizeF(*placement.fontSize);
    if (area) font = FittingFont(font, *area);
    if (area && font != control.font() && !area->WidestLine().isEmpty()) {
      ReprintInFont(*area, font);
    } else {
      control.setFont(font);
    }
  }
}

QRect InsideFrame(const QWidget& window, const QRect& area) {
  const QRect frame = window.frameGeometry();
  const QRect inside = window.geometry();
  return area.marginsRemoved(QMargins(inside.left() - frame.left(), inside.top() - frame.top(),
                                      frame.right() - inside.right(),
                                      frame.bottom() - inside.bottom()));
}

void PlaceLine(QWidget& line, const LinePlacement& placement, double dpiX, double dpiY) {
  line.setGeometry(PixelRect(placement.x1, placement.y1, placement.x2 - placement.x1,
                             placement.y2 - placement.y1, dpiX, dpiY));
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
      c.showProtocolBox, c.evaluationButton, c.settingsSwitch, c.tempoSlider};
  // clang-format on
  // Labels, frames and the picture areas hold their place but take no focus.
  QWidget* previous = nullptr;
  for (QWidget* control : order) {
    if ((control->focusPolicy() & Qt::TabFocus) == 0) continue;
    if (previous) window.setTabOrder(previous, control);
    previous = control;
  }
}

}  // namespace quirlweg
