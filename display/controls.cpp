#include "controls.h"

#include <QImageReader>
#include <QPaintEvent>
#include <QPainter>
#include <algorithm>
#include <cmath>

namespace quirlweg {

// The picture covers the whole control, but the control is not marked opaque: Qt moves an
// opaque child by copying its pixels and then takes the parent for one that no sibling
// overlaps, so that the parent's next changes would be painted over the controls lying on it
// (the hit boxes and the start point cross over the lattice view).
ImageControl::ImageControl(QWidget* parent) : QWidget(parent) {}

void ImageControl::SetPicture(const QString& path) {
  path_ = path;
  picture_ = QPixmap();
  update();
}

void ImageControl::SetPicture(const QPixmap& picture) {
  path_.clear();
  picture_ = picture;
  update();
}

void ImageControl::SetPicture(const QImage& picture) {
  SetPicture(QPixmap::fromImage(picture));
}

// Rendering happens when the control is painted: the walker is sized several times while a
// lattice is set up, and only its last size is ever seen.
void ImageControl::RenderForScreen() {
  const qreal ratio = devicePixelRatioF();
  const QSize pixels(static_cast<int>(std::lround(width() * ratio)),
                     static_cast<int>(std::lround(height() * ratio)));
  if (pixels.isEmpty() || (picture_.size() == pixels && picture_.devicePixelRatio() == ratio)) {
    return;
  }
  QImageReader reader(path_);
  reader.setScaledSize(pixels);
  QImage image = reader.read();
  image.setDevicePixelRatio(ratio);
  picture_ = QPixmap::fromImage(image);
}

void ImageControl::paintEvent(QPaintEvent* /*event*/) {
  if (!path_.isEmpty()) RenderForScreen();
  QPainter painter(this);
  if (picture_.isNull()) {
    painter.fillRect(rect(), palette().color(QPalette::Window));
    return;
  }
  painter.setRenderHint(QPainter::SmoothPixmapTransform);
  painter.drawPixmap(rect(), picture_);
}

// Without a background of its own the corners outside the circle show the area behind.
ShapeControl::ShapeControl(QWidget* parent) : QWidget(parent) {}

void ShapeControl::SetFillColor(QColor color) {
  fill_ = color;
  update();
}

void ShapeControl::SetBorderColor(QColor color) {
  border_ = color;
  update();
}

void ShapeControl::paintEvent(QPaintEvent* /*event*/) {
  QPainter painter(this);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setPen(QPen(border_, 1));
  painter.setBrush(fill_);
  // A circle as large as the smaller side, centred, its 1-pixel border inside the control.
  const int side = std::min(width(), height());
  const QRectF box((width() - side) / 2.0 + 0.5, (height() - side) / 2.0 + 0.5, side - 1.0,
                   side - 1.0);
  painter.drawEllipse(box);
}

}  // namespace quirlweg
