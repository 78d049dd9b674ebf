#include "evaluation/exit_places_picture.h"

#include <QPaintEvent>
#include <QPainter>
#include <algorithm>

#include "figures/number_texts.h"

namespace quirlweg {
namespace {

// Colours apart for every common colour-vision deficiency: blue bars, dark orange ranges
// against black exact marks.
const QColor kBar(86, 140, 204);
const QColor kRangeColour(190, 90, 0);
const QColor kExactColour(0, 0, 0);

}  // namespace

ExitPlacesPicture::ExitPlacesPicture(QWidget* parent) : QWidget(parent) {
  setMinimumSize(160, 160);
  setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
}

void ExitPlacesPicture::Show(ExitPlacesView view) {
  view_ = std::move(view);
  Redraw();
}

void ExitPlacesPicture::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  Redraw();
}

void ExitPlacesPicture::Redraw() {
  const qreal ratio = devicePixelRatioF();
  image_ = QImage((QSizeF(size()) * ratio).toSize(), QImage::Format_RGB32);
  image_.setDevicePixelRatio(ratio);
  image_.fill(palette().color(QPalette::Base));
  update();
  if (view_.radius < 2) return;

  QPainter painter(&image_);
  painter.setFont(font());
  const QFontMetrics metrics(font());
  const double room = std::min(width(), height()) - 2.0 * metrics.height();
  const double depth = room * 0.22;  // of a strip, for the largest share
  const double side = room - 2 * depth;
  const QRectF square((width() - side) / 2, (height() - side) / 2, side, side);
  const int cells = 2 * view_.radius - 1;
  const double cell = side / cells;
  const double scale = depth / LargestShare(view_);

  painter.setPen(QPen(palette().color(QPalette::Mid), 1));
  painter.setBrush(palette().color(QPalette::Window));
  painter.drawRect(square);
  // Start and home where they lie in the plane: the start as a dot, home as a ring.
  const auto at = [&](double x, double y) {
    return QPointF(square.left() + (x + view_.radius - 0.5) * cell,
                   square.top() + (y + view_.radius - 0.5) * cell);
  };
  painter.setRenderHint(QPainter::Antialiasing);
  const double dot = std::max(3.0, cell * 0.8);
  painter.setPen(QPen(kExactColour, 1.5));
  painter.setBrush(Qt::NoBrush);
  painter.drawEllipse(at(0, 0), dot, dot);
  painter.setBrush(kExactColour);
  painter.drawEllipse(at(view_.startX, view_.startY), dot / 2, dot / 2);
  painter.setRenderHint(QPainter::Antialiasing, false);

  // A side's bars grow outward; `outward` the unit direction, `along` the cells' direction.
  struct Strip {
    QPointF origin;  // the outer corner of cell c = -(R - 1) on the square's edge
    QPointF along;
    QPointF outward;
  };
  const std::array<Strip, 4> strips{{{square.topLeft(), {1, 0}, {0, -1}},
                                     {square.topRight(), {0, 1}, {1, 0}},
                                     {square.bottomLeft(), {1, 0}, {0, 1}},
                                     {square.topLeft(), {0, 1}, {-1, 0}}}};
  const auto rect = [](QPointF a, QPointF b) { return QRectF(a, b).normalized(); };
  for (std::size_t s = 0; s < 4; ++s) {
    const Strip& strip = strips[s];
    const auto& values = view_.sides[s];
    for (int c = 0; c < cells && c < static_cast<int>(values.size()); ++c) {
      const ExitCell& v = values[static_cast<std::size_t>(c)];
      const QPointF start = strip.origin + strip.along * (c * cell);
      const QPointF middle = start + strip.along * (cell / 2);
      if (view_.measured) {
        const QPointF inset = strip.along * (cell * 0.15);
        painter.fillRect(rect(start + inset, start + strip.along * cell - inset +
                                                 strip.outward * (v.measured * scale)),
                         kBar);
        painter.setPen(QPen(kRangeColour, std::max(1.0, cell * 0.08)));
        painter.drawLine(middle + strip.outward * (std::min(v.low, 1.0) * scale),
                         middle + strip.outward * (std::min(v.high * scale, depth * 1.1)));
      }
      if (v.exact) {
        painter.setPen(QPen(kExactColour, 2));
        const QPointF mark = strip.outward * (*v.exact * scale);
        painter.drawLine(start + mark, start + strip.along * cell + mark);
      }
    }
  }
  // The scale: the largest share at the top strip's outer end, on the left.
  painter.setPen(palette().color(QPalette::Text));
  painter.drawText(
      QRectF(0, square.top() - depth - metrics.height(), square.left(), metrics.height()),
      Qt::AlignRight | Qt::AlignVCenter, PercentText(LargestShare(view_)));
  painter.setPen(QPen(palette().color(QPalette::Mid), 1, Qt::DotLine));
  painter.drawLine(QPointF(square.left() - 4, square.top() - depth),
                   QPointF(square.right(), square.top() - depth));
}

void ExitPlacesPicture::paintEvent(QPaintEvent* event) {
  QPainter painter(this);
  painter.drawImage(event->rect(), image_,
                    QRectF(QPointF(event->rect().topLeft()) * image_.devicePixelRatio(),
                           QSizeF(event->rect().size()) * image_.devicePixelRatio()));
}

}  // namespace quirlweg
