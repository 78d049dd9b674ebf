#include "display/setting_bar.h"

#include <QPainter>
#include <QStyle>
#include <QStyleOptionFocusRect>
#include <QWheelEvent>

namespace quirlweg {

SettingBar::SettingBar(QWidget* parent) : QScrollBar(Qt::Horizontal, parent) {
  setInvertedControls(false);
  setFocusPolicy(Qt::StrongFocus);
}

void SettingBar::paintEvent(QPaintEvent* event) {
  QScrollBar::paintEvent(event);
  if (!hasFocus()) return;
  QPainter painter(this);
  QStyleOptionFocusRect focus;
  focus.initFrom(this);
  focus.rect = rect();
  // The style's focus ring where it draws one; a line in the highlight colour in any case.
  style()->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, &painter, this);
  painter.setPen(QPen(palette().color(QPalette::Highlight), 2));
  painter.drawRect(rect().adjusted(1, 1, -1, -1));
}

void SettingBar::wheelEvent(QWheelEvent* event) {
  if (!hasFocus()) {
    event->ignore();
    return;
  }
  QScrollBar::wheelEvent(event);
}

}  // namespace quirlweg
