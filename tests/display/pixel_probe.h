#pragma once

// Reading drawings back: runs of one colour and counts of pixels.

#include <QImage>
#include <cmath>
#include <initializer_list>
#include <string_view>

#include "display/picture_area.h"

namespace quirlweg::testing {

// Pixels of `color` in an unbroken run through `at`, along `step` and against it.
inline int RunThrough(const QImage& image, QPoint at, QPoint step, QColor color) {
  if (!image.valid(at) || image.pixelColor(at) != color) return 0;
  int run = 1;
  for (const QPoint dir : {step, -step}) {
    for (QPoint p = at + dir; image.valid(p) && image.pixelColor(p) == color; p += dir) ++run;
  }
  return run;
}

inline int CountPixels(const QImage& image, QColor color) {
  int count = 0;
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) count += image.pixelColor(x, y) == color ? 1 : 0;
  }
  return count;
}

// The pixel holding a user point.
inline QPoint PixelAt(const PictureArea& area, double x, double y) {
  const QPointF p = area.ToPixel(x, y);
  return {static_cast<int>(std::floor(p.x())), static_cast<int>(std::floor(p.y()))};
}

// What `like` would show after a clear and these lines printed straight away.
inline QImage PrintedLook(const PictureArea& like, std::initializer_list<std::string_view> lines) {
  PictureArea reference;
  reference.SetFlatBorder(like.FlatBorder());
  reference.resize(like.size());
  reference.setFont(like.font());
  reference.SetForeColor(like.ForeColor());
  reference.SetBackColor(like.BackColor());
  for (const std::string_view line : lines) reference.Print(line);
  return reference.Snapshot();
}

}  // namespace quirlweg::testing
