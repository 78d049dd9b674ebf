#include "picture_area.h"

#include <QChildEvent>
#include <QCoreApplication>
#include <QFontMetrics>
#include <QPaintEvent>
#include <QPainter>
#include <QResizeEvent>
#include <algorithm>
#include <cmath>

#include "layout/twips.h"
#include "qt_text.h"

namespace quirlweg {

namespace {

constexpr int kMaxDrawWidth = 32767;
// Printed lines kept before they are drawn anyway, so printing without ever clearing or
// painting cannot pile up text.
constexpr std::size_t kMaxPendingLines = 64;

QEvent::Type MoveChildrenEvent() {
  static const auto type = static_cast<QEvent::Type>(QEvent::registerEventType());
  return type;
}

QSize DevicePixels(QSize logical, qreal ratio) {
  if (ratio == 1) return logical;
  return {static_cast<int>(std::lround(logical.width() * ratio)),
          static_cast<int>(std::lround(logical.height() * ratio))};
}

// The device-independent pixels that hold any part of `pixels`.
QRect LogicalCover(const QRect& pixels, qreal ratio) {
  const QPoint topLeft(static_cast<int>(std::floor(pixels.left() / ratio)),
                       static_cast<int>(std::floor(pixels.top() / ratio)));
  const QPoint end(static_cast<int>(std::ceil((pixels.right() + 1) / ratio)),
                   static_cast<int>(std::ceil((pixels.bottom() + 1) / ratio)));
  return {topLeft, end - QPoint(1, 1)};
}

QRectF DeviceRect(const QRect& logical, qreal ratio) {
  return {logical.x() * ratio, logical.y() * ratio, logical.width() * ratio,
          logical.height() * ratio};
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
  logicalSize_ = drawing.size();
  ratio_ = devicePixelRatioF();
  image_ = QImage(DevicePixels(logicalSize_, ratio_), QImage::Format_RGB32);
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
  FitToScreen();
  scaled_ = true;
  userEdges_ = QRectF(QPointF(x1, y1), QPointF(x2, y2));
  UpdateMapping();
  RemapChildren();
}

PictureArea::Mapping PictureArea::MappingFor(QSize pixels, qreal ratio) const {
  if (!scaled_) {
    return Mapping{0, 0, logicalDpiX() * ratio / kTwipsPerInch,
                   logicalDpiY() * ratio / kTwipsPerInch};
  }
  const UserEdges edges{userEdges_.left(), userEdges_.top(), userEdges_.right(),
                        userEdges_.bottom()};
  return MappingOnto(edges, pixels.width(), pixels.height());
}

void PictureArea::UpdateMapping() {
  mapping_ = MappingFor(image_.size(), ratio_);
  logicalMapping_ = ratio_ == 1 ? mapping_ : MappingFor(logicalSize_, 1);
}

QPointF PictureArea::ToPixel(double x, double y) const {
  const PlacePoint p = PlaceOf(MappingFor(DrawingRect().size(), 1), x, y);
  return {p.x, p.y};
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
    // With the ratio set, QPainter lays the text out in device-independent pixels and renders
    // its glyphs at the image's resolution.
    image_.setDevicePixelRatio(ratio_);
    {
      QPainter painter(&image_);
      painter.setFont(pendingFont_);
      const int ascent = QFontMetrics(pendingFont_).ascent();
      for (const PrintedLine& line : pendingLines_) {
        painter.setPen(line.color);
        const std::string text = line.make ? line.make() : line.text;
        painter.drawText(QPoint(line.origin.x(), line.origin.y() + ascent), ToQString(text));
        AppendShownLine(shownText_, text);
      }
    }
    image_.setDevicePixelRatio(1);
  }
  pendingLines_.clear();
}

// `pixels` lie within the image.
void PictureArea::MarkDirty(const QRect& pixels) {
  if (pixels.isEmpty()) return;
  RequestPaint(ratio_ == 1 ? pixels : LogicalCover(pixels, ratio_));
}

void PictureArea::RequestPaint(const QRect& drawingRect) {
  // Hidden areas are painted whole when they are shown again.
  if (!isVisible() || drawingRect.isEmpty()) return;
  const QRect r = drawingRect.translated(drawingOffset_);
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
  FitToScreen();
  RasterisePending();
  requested_ = QRect();
  QPainter painter(this);
  const QRect drawing = DrawingRect();
  for (const QRect& dirty : event->region()) {
    const QRect part = dirty & drawing;
    if (part.isEmpty()) continue;
    const QRect source = part.translated(-drawing.topLeft());
    if (ratio_ == 1) {
      painter.drawImage(part, image_, source);
    } else {
      painter.drawImage(QRectF(part), image_, DeviceRect(source, ratio_));
    }
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

void PictureArea::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  FitToScreen();  // the window may have come up on a screen of another ratio
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
  const qreal ratio = devicePixelRatioF();
  if (drawing.size() != logicalSize_ || ratio != ratio_) {
    RasterisePending();
    QImage resized(DevicePixels(drawing.size(), ratio), QImage::Format_RGB32);
    resized.fill(backColor_);
    if (!image_.isNull() && !resized.isNull()) {
      QPainter painter(&resized);
      painter.setCompositionMode(QPainter::CompositionMode_Source);
      if (ratio == ratio_) {
        painter.drawImage(0, 0, image_);
      } else {  // blurred until drawn again, but where it was
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        painter.drawImage(QRectF(QPointF(0, 0), QSizeF(image_.size()) * (ratio / ratio_)), image_);
      }
    }
    image_ = std::move(resized);
    logicalSize_ = drawing.size();
    ratio_ = ratio;
    solid_.Reset(image_.height());
  }
  UpdateMapping();
  RemapChildren();
  update();
}

QImage PictureArea::Snapshot() {
  FitToScreen();
  RasterisePending();
  if (ratio_ == 1) return image_;
  QImage shown = image_;
  shown.setDevicePixelRatio(ratio_);
  return shown;
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
  shownText_.clear();
  clsPending_ = true;
  textPosition_ = QPoint(0, 0);
  MarkDirty(image_.rect());
}

std::string PictureArea::ShownText() const {
  std::string text = shownText_;
  for (const PrintedLine& line : pendingLines_) {
    AppendShownLine(text, line.make ? line.make() : line.text);
  }
  return text;
}

void PictureArea::AppendShownLine(std::string& shown, const std::string& line) {
  if (!shown.empty()) shown += '\n';
  shown += line;
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
  RequestPaint(QRect(textPosition_.x(), textPosition_.y(), logicalSize_.width(), lineHeight_) &
               QRect(QPoint(0, 0), logicalSize_));
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
  const int width = DeviceWidth(drawWidth_);
  if (shape == LineShape::Segment) {
    DrawStraightLine(a, b, width, color);
    return;
  }
  // The box's four sides, joined round as a wide round pen joins them.
  const QPoint topRight(b.x(), a.y());
  const QPoint bottomLeft(a.x(), b.y());
  DrawStraightLine(a, topRight, width, color);
  DrawStraightLine(topRight, b, width, color);
  DrawStraightLine(b, bottomLeft, width, color);
  DrawStraightLine(bottomLeft, a, width, color);
}

void PictureArea::PSet(double x, double y) {
  PSet(x, y, foreColor_);
}

void PictureArea::PSet(double x, double y, QColor color) {
  FitToWidget();
  RasterisePending();
  const QPoint p = PixelOf(x, y);
  FillCapsule(p, p, DeviceWidth(drawWidth_), color.rgb());
}

void PictureArea::Circle(double x, double y, double radius, QColor color) {
  FitToWidget();
  RasterisePending();
  const double pixels = std::fabs(radius * mapping_.factorX);
  if (image_.isNull() || !(pixels < kFarPixel)) return;
  const QPoint centre = PixelOf(x, y);
  const int width = DeviceWidth(drawWidth_);
  solid_.Forget();
  {
    QPainter painter(&image_);  // aliased, like every other drawing here
    ClipPainter(painter);
    painter.setPen(QPen(color, width));
    painter.setBrush(Qt::NoBrush);
    painter.drawEllipse(QPointF(centre) + QPointF(0.5, 0.5), pixels, pixels);
  }
  const int reach = static_cast<int>(std::ceil(pixels)) + width;
  MarkDirty(QRect(centre.x() - reach, centre.y() - reach, 2 * reach + 1, 2 * reach + 1) &
            Drawable());
}

void PictureArea::DrawPicture(double left, double top, const QImage& picture) {
  FitToWidget();
  RasterisePending();
  if (image_.isNull() || picture.isNull()) return;
  const QPoint corner = PixelOf(left, top);
  solid_.Forget();
  {
    QPainter painter(&image_);
    ClipPainter(painter);
    painter.drawImage(QRectF(QPointF(corner), QSizeF(picture.deviceIndependentSize()) * ratio_),
                      picture);
  }
  const QSize covered = (QSizeF(picture.deviceIndependentSize()) * ratio_).toSize();
  MarkDirty(QRect(corner, covered).adjusted(0, 0, 1, 1) & Drawable());
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
  const QPoint a = PixelOf(logicalMapping_, placed.units.left(), placed.units.top());
  const QPoint b = PixelOf(logicalMapping_, placed.units.left() + placed.units.width(),
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
  // Sent down the widgets when the window moves to another screen.
  if (event->type() == QEvent::ScreenChangeInternal) FitToScreen();
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
