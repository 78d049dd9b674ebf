// The rasteriser: round-pen lines and dots in the image's own pixels, and the clip that limits
// all drawing.

#include <QPainter>
#include <algorithm>
#include <cmath>

#include "picture/lattice_frame.h"
#include "picture_area.h"

namespace quirlweg {

namespace {

// Pen widths whose disc shapes are kept ready.
constexpr int kCachedDiscWidths = 64;

// A round pen of width d covers, around its point, the offsets lo..lo+d-1 in each direction
// (lo = PenLow(d)) that lie within d/2 of the centre. Columns covered by the disc's row `row`
// (an offset lo..lo+d-1), as offsets from its point.
std::pair<int, int> DiscRowSpan(int width, int row) {
  const int lo = PenLow(width);
  const double centre = lo + (width - 1) / 2.0;
  const double radius = width / 2.0;
  const double dy = row - centre;
  const double half = std::sqrt(std::max(0.0, radius * radius - dy * dy));
  const int left = std::max(lo, static_cast<int>(std::ceil(centre - half)));
  const int right = std::min(lo + width - 1, static_cast<int>(std::floor(centre + half)));
  return {left, right};
}

}  // namespace

// ---- clipping ---------------------------------------------------------------------------------

void PictureArea::ClipTo(const QRect& pixels) {
  FitToWidget();
  RasterisePending();
  solid_.Forget();
  clip_ = pixels.normalized();
}

void PictureArea::Unclip() {
  clip_.reset();
}

void PictureArea::FillClip() {
  FitToWidget();
  RasterisePending();
  const QRect fill = Drawable();
  if (fill.isEmpty()) return;
  solid_.Forget();
  const QRgb back = backColor_.rgb();
  for (int y = fill.top(); y <= fill.bottom(); ++y) {
    auto* row = reinterpret_cast<QRgb*>(image_.scanLine(y));
    std::fill(row + fill.left(), row + fill.right() + 1, back);
  }
  MarkDirty(fill);
}

QRect PictureArea::PixelBox(double x1, double y1, double x2, double y2, int reach) const {
  const int pixels = DeviceWidth(std::max(reach, 0));
  return QRect(PixelOf(x1, y1), PixelOf(x2, y2))
      .normalized()
      .adjusted(-pixels, -pixels, pixels, pixels);
}

void PictureArea::ClipPainter(QPainter& painter) const {
  if (clip_) painter.setClipRect(*clip_);
}

// ---- lines and dots ---------------------------------------------------------------------------

// Axis-parallel lines, the walk's only kind, are filled straight into the image; any other
// line goes through QPainter with the same round pen.
void PictureArea::DrawStraightLine(QPoint from, QPoint to, int width, QColor color) {
  if (from.x() == to.x() || from.y() == to.y()) {
    FillCapsule(from, to, width, color.rgb());
    return;
  }
  if (image_.isNull()) return;
  solid_.Forget();
  {
    QPainter painter(&image_);
    ClipPainter(painter);
    painter.setPen(QPen(color, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    const QPointF half(0.5, 0.5);
    painter.drawLine(QPointF(from) + half, QPointF(to) + half);
  }
  const QRect box = QRect(from, to).normalized();
  MarkDirty(box.adjusted(-width, -width, width, width) & Drawable());
}

const std::vector<std::pair<int, int>>* PictureArea::CachedDiscSpans(int width) {
  if (width > kCachedDiscWidths) return nullptr;
  if (discSpans_.empty()) discSpans_.resize(kCachedDiscWidths + 1);
  auto& spans = discSpans_[static_cast<std::size_t>(width)];
  if (spans.empty()) {
    const int lo = PenLow(width);
    for (int row = lo; row < lo + width; ++row) spans.push_back(DiscRowSpan(width, row));
  }
  return &spans;
}

// The pixels a round pen of `width` covers along an axis-parallel line from `from` to `to`
// (a dot when they are equal): the disc at each end and the band between them.
void PictureArea::FillCapsule(QPoint from, QPoint to, int width, QRgb color) {
  const int lo = PenLow(width);
  const int left = std::min(from.x(), to.x());
  const int right = std::max(from.x(), to.x());
  const int top = std::min(from.y(), to.y());
  const int bottom = std::max(from.y(), to.y());
  const QRect drawable = Drawable();
  const int firstX = drawable.left();
  const int lastX = drawable.right();
  const int y0 = std::max(top + lo, drawable.top());
  const int y1 = std::min(bottom + lo + width - 1, drawable.bottom());
  if (y0 > y1 || left + lo > lastX || right + lo + width - 1 < firstX) return;
  // Every row of the pen lies within the band between the ends: where all of it is known to
  // hold the colour already, the drawing would change nothing.
  const int bandLeft = std::max(left + lo, firstX);
  const int bandRight = std::min(right + lo + width - 1, lastX);
  // A clipped drawing redraws a small part in many colours, where knowing the rows would cost
  // more than it saves: ClipTo forgot them, and they stay unknown until Unclip.
  const bool tracked = !clip_;
  if (tracked) {
    solid_.Track(color);
    if (from == to && solid_.DotInsideLastStroke(from, width)) return;
    if (solid_.Covers(y0, y1, bandLeft, bandRight)) {
      solid_.NoteStroke(from, to, width);
      return;
    }
  }

  uchar* const bits = image_.bits();
  const qsizetype stride = image_.bytesPerLine();
  const auto fillRow = [&](int y, int x0, int x1) {
    x0 = std::max(x0, firstX);
    x1 = std::min(x1, lastX);
    if (x0 > x1) return;
    auto* row = reinterpret_cast<QRgb*>(bits + y * stride);
    if (!tracked) {
      std::fill(row + x0, row + x1 + 1, color);
      return;
    }
    // Only the pixels outside the row's known span can change.
    const int knownLeft = solid_.Left(y);
    const int knownRight = solid_.Right(y);
    if (knownLeft > knownRight || x1 < knownLeft || x0 > knownRight) {
      std::fill(row + x0, row + x1 + 1, color);
    } else {
      if (x0 < knownLeft) std::fill(row + x0, row + knownLeft, color);
      if (x1 > knownRight) std::fill(row + knownRight + 1, row + x1 + 1, color);
    }
    solid_.Add(y, x0, x1);
  };

  if (width == 1) {
    for (int y = y0; y <= y1; ++y) fillRow(y, left, right);
  } else {
    const auto* cached = CachedDiscSpans(width);
    const auto span = [&](int row) {
      return cached ? (*cached)[static_cast<std::size_t>(row - lo)] : DiscRowSpan(width, row);
    };
    for (int y = y0; y <= y1; ++y) {
      // Between the two ends the band spans the full pen; above and below, the end discs.
      if (y >= top && y <= bottom && top != bottom) {
        fillRow(y, left + lo, right + lo + width - 1);
        continue;
      }
      const int row = y < top ? y - top : y - bottom;
      const auto [l, r] = span(row);
      fillRow(y, left + l, right + r);
    }
  }
  if (tracked) {
    solid_.Settle(y0, y1);
    solid_.NoteStroke(from, to, width);
  }
  MarkDirty(QRect(QPoint(bandLeft, y0), QPoint(bandRight, y1)));
}

}  // namespace quirlweg
