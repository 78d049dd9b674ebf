#include "display/fitting_box.h"

#include <QEvent>
#include <QFontMetricsF>
#include <QScopedValueRollback>
#include <QStyle>
#include <QStyleOptionFrame>
#include <algorithm>

namespace quirlweg {

namespace {

// QLineEdit keeps this many pixels free on either side of its text.
constexpr double kLineEditMargin = 2;

}  // namespace

FittingBox::FittingBox(const QString& text, QWidget* parent)
    : QLineEdit(text, parent), given_(font()) {
  connect(this, &QLineEdit::textChanged, this, &FittingBox::Fit);
}

void FittingBox::changeEvent(QEvent* event) {
  QLineEdit::changeEvent(event);
  if (event->type() != QEvent::FontChange || fitting_) return;
  given_ = font();
  Fit();
}

void FittingBox::resizeEvent(QResizeEvent* event) {
  QLineEdit::resizeEvent(event);
  Fit();
}

double FittingBox::TextRoom() const {
  QStyleOptionFrame option;
  initStyleOption(&option);
  const QRect contents = style()->subElementRect(QStyle::SE_LineEditContents, &option, this);
  const QMargins margins = textMargins();
  return contents.width() - margins.left() - margins.right() - 2 * kLineEditMargin;
}

void FittingBox::Fit() {
  const double room = TextRoom();
  QFont shown = given_;
  // Glyph widths do not shrink quite in proportion with the size: step down until it fits.
  for (int tries = 0; tries < 30 && room > 0 && shown.pointSizeF() > 1; ++tries) {
    const double wide = QFontMetricsF(shown).horizontalAdvance(text());
    if (wide <= room) break;
    shown.setPointSizeF(shown.pointSizeF() * std::min(0.97, room / wide));
  }
  if (shown == font()) return;
  const QScopedValueRollback<bool> guard(fitting_, true);
  setFont(shown);
}

}  // namespace quirlweg
