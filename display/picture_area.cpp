#include "picture_area.h"

#include <QChildEvent>
#include <QCoreApplication>
#include <QFontMetrics>
#include <QPaintEvent>
#include <QPainter>
#include <QResizeEvent>
#include <algorithm>
#include <cmath>

#include "qt_text.h"
#include "twips.h"

namespace quirlweg {

namespace {

// Pixel coordinates are kept far inside int so that any user value, even NaN or infinite,
// maps to a harmless pixel well outside every drawing, and a pen width added to it cannot
// overflow.
constexpr int kPixelLimit = 10'000'000;
constexpr int kMaxDrawWidth = 32767;
// Printed lines kept before they are drawn anyway, so printing without ever clearing or
// painting cannot pile up text.
constexpr std::size_t kMaxPendingLines = 64;
// Pen widths whose disc shapes are kept ready.
constexpr int kCachedDiscWidths = 64;

QEvent::Type MoveChildrenEvent() {
  static const auto type = static_cast<QEvent::Type>(QEvent::registerEventType());
  return type;
}

// A round pen of width d covers, around its point, the offsets lo..lo+d-1 in each direction
// (for even widths the centre sits on a pixel corner) that lie within d/2 of the centre.
int DiscLow(int width) {
  return -(width / 2);
}

// Columns covered by the disc's row `row` (an offset lo..lo+d-1), as offsets from its point.
std::pair<int, int> DiscRowSpan(int width, int row) {
  const int lo = DiscLow(width);
  const double centre = lo + (width - 1) / 2.0;
  const double radius = width / 2.0;
  const double dy = row - centre;
  const double half = std::sqrt(std::max(0.0, radius * radius - dy * dy));
  const int left = std::max(lo, static_cast<int>(std::ceil(centre - half)));
  const int right = std::min(lo + width - 1, static_cast<int>(std::floor(centre + half)));
  return {left, right};
}

}  // namespace

PictureArea::PictureArea(QWidget* parent)
    : QWidget(parent),
      foreColor_(palette().color(QPalette::WindowText)),
      backColor_(palette().color(QPalette::Button)) {
  // The image covers every pixel we paint; Qt need not clear the background first.
  setAttribute(Qt::WA_OpaquePaintEvent);
  const QRect drawing = DrawingRect();
  drawingOffset_ = drawing.topLeft();
  image_ = QImage(drawing.size(), QImage::Format_RGB32);
  image_.fill(backColor_);
  solid_.Reset(image_.height());
  UpdateMapping();
}

PictureArea::~PictureArea() = default;

QRect PictureArea::DrawingRect() const {
  const QRect all = rect();
  const QRect inner = flatBorder_ ? all.adjusted(1, 1, -1, -1) : all;
  return inner.isValid() ? inner : QRect(inner.topLeft(), QSize(0, 0));
}

// ---- coordinates ------------------------------------------------------------------------------

void PictureArea::Scale(double x1, double y1, double x2, double y2) {
  FitToWidget();
  scaled_ = true;
  userEdges_ = QRectF(QPointF(x1, y1), QPointF(x2, y2));
  UpdateMapping();
  RemapChildren();
}

PictureArea::Mapping PictureArea::MappingFor(QSize drawing) const {
  if (!scaled_) return Mapping{0, 0, logicalDpiX() / kTwipsPerInch, logicalDpiY() / kTwipsPerInch};
  // Equal edges would divide by zero: the whole axis then falls on its first pixel.
  const auto factor = [](int pixels, double span) {
    const double f = pixels / span;
    return std::isfinite(f) ? f : 0.0;
  };
  return Mapping{userEdges_.left(), userEdges_.top(),
                 factor(drawing.width(), userEdges_.right() - userEdges_.left()),
                 factor(drawing.height(), userEdges_.bottom() - userEdges_.top())};
}

void PictureArea::UpdateMapping() {
  mapping_ = MappingFor(image_.size());
}

QPointF PictureArea::ToPixel(double x, double y) const {
  const Mapping m = MappingFor(DrawingRect().size());
  return {(x - m.originX) * m.factorX, (y - m.originY) * m.factorY};
}

// floor() without a library call; NaN and far-away values go to the limits.
int PictureArea::PixelIndex(double coordinate) {
  if (!(coordinate > -kPixelLimit)) return -kPixelLimit;
  if (coordinate > kPixelLimit) return kPixelLimit;
  const int truncated = static_cast<int>(coordinate);
  return truncated > coordinate ? truncated - 1 : truncated;
}

// ---- pending work and repainting --------------------------------------------------------------

void PictureArea::RasterisePending() const {
  if (clsPending_) {
    image_.fill(backColor_);
    solid_.Forget();
    clsPending_ = false;
  }
  if (pendingLines_.empty()) return;
  solid_.Forget();
  if (!image_.isNull()) {
    QPainter painter(&image_);
    painter.setFont(pendingFont_);
    const int ascent = QFontMetrics(pendingFont_).ascent();
    for (const PrintedLine& line : pendingLines_) {
      painter.setPen(line.color);
      painter.drawText(QPoint(line.origin.x(), line.origin.y() + ascent),
                       ToQString(line.make ? line.make() : line.text));
    }
  }
  pendingLines_.clear();
}

// `pixels` lie within the drawing.
void PictureArea::MarkDirty(const QRect& pixels) {
  // Hidden areas are painted whole when they are shown again.
  if (!isVisible() || pixels.isEmpty()) return;
  const QRect r = pixels.translated(drawingOffset_);
  if (r.left() >= requested_.left() && r.right() <= requested_.right() &&
      r.top() >= requested_.top() && r.bottom() <= requested_.bottom()) {
    return;
  }
  // Asking for the whole bounding rectangle keeps `requested_` inside Qt's dirty region, so
  // later drawings within it need no further request until the next paint.
  requested_ = requested_.united(r);
  update(requested_);
}

void PictureArea::paintEvent(QPaintEvent* event) {
  FitToWidget();
  RasterisePending();
  requested_ = QRect();
  QPainter painter(this);
  const QRect drawing = DrawingRect();
  for (const QRect& dirty : event->region()) {
    const QRect part = dirty & drawing;
    if (!part.isEmpty()) painter.drawImage(part, image_, part.translated(-drawing.topLeft()));
  }
  // Whatever lies outside the image: the border, or a strip the image does not reach.
  const QRegion rest = event->region() - QRegion(drawing);
  for (const QRect& r : rest) painter.fillRect(r, backColor_);
  if (flatBorder_ && !rest.isEmpty()) {
    painter.setPen(QColor(0, 0, 0));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
  }
}

void PictureArea::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  AdoptDrawingSize();
}

void PictureArea::changeEvent(QEvent* event) {
  if (event->type() == QEvent::FontChange) {
    ++fontGeneration_;
    lineHeight_ = -1;
  }
  QWidget::changeEvent(event);
}

void PictureArea::AdoptDrawingSize() {
  const QRect drawing = DrawingRect();
  drawingOffset_ = drawing.topLeft();
  if (drawing.size() != image_.size()) {
    RasterisePending();
    QImage resized(drawing.size(), QImage::Format_RGB32);
    resized.fill(backColor_);
    if (!image_.isNull() && !resized.isNull()) {
      QPainter painter(&resized);
      painter.setCompositionMode(QPainter::CompositionMode_Source);
      painter.drawImage(0, 0, image_);
    }
    image_ = std::move(resized);
    solid_.Reset(image_.height());
  }
  UpdateMapping();
  RemapChildren();
  update();
}

QImage PictureArea::Snapshot() {
  FitToWidget();
  RasterisePending();
  return image_;
}

// ---- properties -------------------------------------------------------------------------------

void PictureArea::SetDrawWidth(int width) {
  drawWidth_ = std::clamp(width, 1, kMaxDrawWidth);
}

// A new back colour wipes the drawing, as the classic picture box does, so a freshly made
// area shows its colour before anything is drawn into it.
void PictureArea::SetBackColor(QColor color) {
  backColor_ = color;
  Cls();
}

void PictureArea::SetFlatBorder(bool on) {
  if (on == flatBorder_) return;
  flatBorder_ = on;
  AdoptDrawingSize();
}

// ---- text -------------------------------------------------------------------------------------

void PictureArea::Cls() {
  FitToWidget();
  pendingLines_.clear();
  clsPending_ = true;
  textPosition_ = QPoint(0, 0);
  MarkDirty(image_.rect());
}

void PictureArea::Print(std::string_view utf8Text) {
  AddLine(std::string(utf8Text), {});
}

void PictureArea::PrintLater(TextMaker make) {
  AddLine({}, std::move(make));
}

void PictureArea::AddLine(std::string text, TextMaker make) {
  FitToWidget();
  if (lineHeight_ < 0) lineHeight_ = QFontMetrics(font()).height();
  // Pending lines share one font: lines printed before a font change are drawn first.
  if (!pendingLines_.empty() &&
      (pendingFontGeneration_ != fontGeneration_ || pendingLines_.size() >= kMaxPendingLines)) {
    RasterisePending();
  }
  if (pendingFontGeneration_ != fontGeneration_) {
    pendingFont_ = font();
    pendingFontGeneration_ = fontGeneration_;
  }
  pendingLines_.push_back(PrintedLine{std::move(text), std::move(make), textPosition_, foreColor_});
  // The text's width is not measured; the dirty rectangle covers the whole line.
  MarkDirty(QRect(textPosition_.x(), textPosition_.y(), image_.width(), lineHeight_) &
            image_.rect());
  textPosition_ = QPoint(0, textPosition_.y() + lineHeight_);
}

// ---- drawing ----------------------------------------------------------------------------------

void PictureArea::Line(double x1, double y1, double x2, double y2) {
  Line(x1, y1, x2, y2, foreColor_, LineShape::Segment);
}

void PictureArea::Line(double x1, double y1, double x2, double y2, QColor color, LineShape shape) {
  FitToWidget();
  RasterisePending();
  const QPoint a = PixelOf(x1, y1);
  const QPoint b = PixelOf(x2, y2);
  if (shape == LineShape::Segment) {
    DrawStraightLine(a, b, drawWidth_, color);
    return;
  }
  // The box's four sides, joined round as a wide round pen joins them.
  const QPoint topRight(b.x(), a.y());
  const QPoint bottomLeft(a.x(), b.y());
  DrawStraightLine(a, topRight, drawWidth_, color);
  DrawStraightLine(topRight, b, drawWidth_, color);
  DrawStraightLine(b, bottomLeft, drawWidth_, color);
  DrawStraightLine(bottomLeft, a, drawWidth_, color);
}

void PictureArea::PSet(double x, double y) {
  PSet(x, y, foreColor_);
}

void PictureArea::PSet(double x, double y, QColor color) {
  FitToWidget();
  RasterisePending();
  const QPoint p = PixelOf(x, y);
  FillCapsule(p, p, drawWidth_, color.rgb());
}

void PictureArea::Circle(double x, double y, double radius, QColor color) {
  FitToWidget();
  RasterisePending();
  const double pixels = std::fabs(radius * mapping_.factorX);
  if (image_.isNull() || !(pixels < kPixelLimit)) return;
  const QPoint centre = PixelOf(x, y);
  solid_.Forget();
  {
    QPainter painter(&image_);  // aliased, like every other drawing here
    painter.setPen(QPen(color, drawWidth_));
    painter.setBrush(Qt::NoBrush);
    painter.drawEllipse(QPointF(centre) + QPointF(0.5, 0.5), pixels, pixels);
  }
  const int reach = static_cast<int>(std::ceil(pixels)) + drawWidth_;
  MarkDirty(QRect(centre.x() - reach, centre.y() - reach, 2 * reach + 1, 2 * reach + 1) &
            image_.rect());
}

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
    painter.setPen(QPen(color, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    const QPointF half(0.5, 0.5);
    painter.drawLine(QPointF(from) + half, QPointF(to) + half);
  }
  const QRect box = QRect(from, to).normalized();
  MarkDirty(box.adjusted(-width, -width, width, width) & image_.rect());
}

const std::vector<std::pair<int, int>>* PictureArea::CachedDiscSpans(int width) {
  if (width > kCachedDiscWidths) return nullptr;
  if (discSpans_.empty()) discSpans_.resize(kCachedDiscWidths + 1);
  auto& spans = discSpans_[static_cast<std::size_t>(width)];
  if (spans.empty()) {
    const int lo = DiscLow(width);
    for (int row = lo; row < lo + width; ++row) spans.push_back(DiscRowSpan(width, row));
  }
  return &spans;
}

// The pixels a round pen of `width` covers along an axis-parallel line from `from` to `to`
// (a dot when they are equal): the disc at each end and the band between them.
void PictureArea::FillCapsule(QPoint from, QPoint to, int width, QRgb color) {
  const int lo = DiscLow(width);
  const int left = std::min(from.x(), to.x());
  const int right = std::max(from.x(), to.x());
  const int top = std::min(from.y(), to.y());
  const int bottom = std::max(from.y(), to.y());
  const int lastX = image_.width() - 1;
  const int y0 = std::max(top + lo, 0);
  const int y1 = std::min(bottom + lo + width - 1, image_.height() - 1);
  if (y0 > y1 || left + lo > lastX || right + lo + width - 1 < 0) return;
  // Every row of the pen lies within the band between the ends: where all of it is known to
  // hold the colour already, the drawing would change nothing.
  const int bandLeft = std::max(left + lo, 0);
  const int bandRight = std::min(right + lo + width - 1, lastX);
  solid_.Track(color);
  if (from == to && solid_.DotInsideLastStroke(from, width)) return;
  if (solid_.Covers(y0, y1, bandLeft, bandRight)) {
    solid_.NoteStroke(from, to, width);
    return;
  }

  uchar* const bits = image_.bits();
  const qsizetype stride = image_.bytesPerLine();
  const auto fillRow = [&](int y, int x0, int x1) {
    x0 = std::max(x0, 0);
    x1 = std::min(x1, lastX);
    if (x0 > x1) return;
    auto* row = reinterpret_cast<QRgb*>(bits + y * stride);
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
  solid_.Settle(y0, y1);
  solid_.NoteStroke(from, to, width);
  MarkDirty(QRect(QPoint(bandLeft, y0), QPoint(bandRight, y1)));
}

// ---- children ---------------------------------------------------------------------------------

void PictureArea::PlaceChild(QWidget* child, double left, double top, double width, double height) {
  if (child == nullptr || child->parentWidget() != this) return;
  FitToWidget();
  auto it = std::find_if(children_.begin(), children_.end(),
                         [child](const PlacedChild& p) { return p.widget == child; });
  if (it == children_.end()) {
    children_.push_back(PlacedChild{child, {}, {}});
    it = std::prev(children_.end());
  }
  it->units = QRectF(left, top, width, height);
  PlaceChildWidget(*it);
}

QRect PictureArea::ChildPixelRect(const QWidget* child) const {
  for (const PlacedChild& placed : children_) {
    if (placed.widget == child) return placed.pixels;
  }
  return {};
}

void PictureArea::PlaceChildWidget(PlacedChild& placed) {
  const QPoint a = PixelOf(placed.units.left(), placed.units.top());
  const QPoint b = PixelOf(placed.units.left() + placed.units.width(),
                           placed.units.top() + placed.units.height());
  placed.pixels = QRect(std::min(a.x(), b.x()), std::min(a.y(), b.y()), std::abs(b.x() - a.x()),
                        std::abs(b.y() - a.y()));
  const QRect geometry = placed.pixels.translated(drawingOffset_);
  if (placed.widget->geometry() == geometry) return;
  // Moving a widget on screen costs far more than a step; hidden ones move at once.
  if (!placed.widget->isVisible()) {
    placed.widget->setGeometry(geometry);
  } else if (!movePosted_) {
    movePosted_ = true;
    QCoreApplication::postEvent(this, new QEvent(MoveChildrenEvent()), Qt::HighEventPriority);
  }
}

void PictureArea::RemapChildren() {
  for (PlacedChild& placed : children_) PlaceChildWidget(placed);
  MoveChildrenNow();
}

void PictureArea::MoveChildrenNow() {
  for (const PlacedChild& placed : children_) {
    const QRect geometry = placed.pixels.translated(drawingOffset_);
    if (placed.widget->geometry() != geometry) placed.widget->setGeometry(geometry);
  }
}

bool PictureArea::event(QEvent* event) {
  if (event->type() == MoveChildrenEvent()) {
    movePosted_ = false;
    MoveChildrenNow();
    return true;
  }
  return QWidget::event(event);
}

void PictureArea::childEvent(QChildEvent* event) {
  if (event->removed()) {
    std::erase_if(children_,
                  [gone = event->child()](const PlacedChild& p) { return p.widget == gone; });
  }
  QWidget::childEvent(event);
}

}  // namespace quirlweg
