#include "line_limit.h"

#include <QImage>
#include <QPainter>
#include <QPen>
#include <QPoint>
#include <chrono>
#include <cmath>
#include <utility>
#include <vector>

#include "picture/lattice_frame.h"

namespace quirlweg::bench {

namespace {

// The lattice view's scale, in lattice radii from one side to the other.
constexpr double kSpanX = 2 * kLatticeMarginX;
constexpr double kSpanY = 2 * kLatticeMarginY;

// Unit segments along a winding path over the whole lattice, alternately across and down,
// so that the lines land everywhere in the image as a long walk's traces do.
std::vector<std::pair<QPoint, QPoint>> UnitSegments(QSize size, int radius) {
  const double perUnitX = size.width() / (kSpanX * radius);
  const double perUnitY = size.height() / (kSpanY * radius);
  const auto pixel = [&](int x, int y) {
    return QPoint(static_cast<int>(std::floor((x + kSpanX / 2 * radius) * perUnitX)),
                  static_cast<int>(std::floor((y + kSpanY / 2 * radius) * perUnitY)));
  };
  std::vector<std::pair<QPoint, QPoint>> segments;
  for (int y = -radius; y < radius; ++y) {
    for (int x = -radius; x < radius; ++x) {
      const bool across = (x + y) % 2 == 0;
      segments.emplace_back(pixel(x, y), across ? pixel(x + 1, y) : pixel(x, y + 1));
    }
  }
  return segments;
}

}  // namespace

double MeasureLineLimit(QSize size, int radius) {
  using Clock = std::chrono::steady_clock;
  constexpr auto kMeasureFor = std::chrono::milliseconds(300);
  QImage image(size, QImage::Format_RGB32);
  image.fill(Qt::white);
  const auto segments = UnitSegments(size, radius);
  QPainter painter(&image);
  painter.setPen(QPen(Qt::black, 1));
  std::int64_t lines = 0;
  const auto start = Clock::now();
  auto now = start;
  while (now - start < kMeasureFor) {
    for (const auto& [from, to] : segments) painter.drawLine(from, to);
    lines += static_cast<std::int64_t>(segments.size());
    now = Clock::now();
  }
  const std::chrono::duration<double> elapsed = now - start;
  return static_cast<double>(lines) / elapsed.count();
}

}  // namespace quirlweg::bench
