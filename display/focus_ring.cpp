#include "display/focus_ring.h"

#include <QApplication>
#include <QFocusFrame>
#include <QPainter>
#include <QPen>

namespace quirlweg {
namespace {

constexpr int kRingWidth = 2;

// Qt's focus frame sits around the control, masked to the margin outside it; this one paints
// that margin in the highlight colour.
class RingFrame final : public QFocusFrame {
 public:
  using QFocusFrame::QFocusFrame;

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter painter(this);
    QPen pen(palette().color(QPalette::Active, QPalette::Highlight), kRingWidth);
    pen.setJoinStyle(Qt::MiterJoin);
    painter.setPen(pen);
    const double inset = kRingWidth / 2.0;
    painter.drawRect(QRectF(rect()).adjusted(inset, inset, -inset, -inset));
  }
};

}  // namespace

FocusRing::FocusRing(QApplication& application) : QObject(&application) {
  connect(&application, &QApplication::focusChanged, this,
          [this](QWidget*, QWidget* now) { Follow(now); });
}

void FocusRing::Follow(QWidget* now) {
  // A window itself or a control outside any window has no place for a ring.
  if (now == nullptr || now->isWindow()) {
    if (frame_) frame_->setWidget(nullptr);
    return;
  }
  if (!frame_) frame_ = new RingFrame(now);
  frame_->setObjectName(QStringLiteral("focusRing"));
  frame_->setWidget(now);
}

}  // namespace quirlweg
