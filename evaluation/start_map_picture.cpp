#include "evaluation/start_map_picture.h"

#include <QLinearGradient>
#include <QMouseEvent>
#include <QPainter>
#include <algorithm>
#include <cmath>

#include "display/heat_scale.h"

namespace quirlweg {
namespace {

constexpr int kLegendBar = 14;  // pixels wide
constexpr int kGap = 6;

}  // namespace

std::optional<QPoint> MapGrid::StartAt(QPointF pixel) const {
  if (!cells.contains(pixel)) return std::nullopt;
  const double size = cellSize();
  const int column = std::min(columns() - 1, static_cast<int>((pixel.x() - cells.left()) / size));
  const int row = std::min(rows - 1, static_cast<int>((pixel.y() - cells.top()) / size));
  const int y = rows == 1 ? 0 : row - (radius - 1);
  return QPoint(column - (radius - 1), y);
}

QRectF MapGrid::CellOf(QPoint start) const {
  const double size = cellSize();
  const int row = rows == 1 ? 0 : start.y() + radius - 1;
  return {cells.left() + (start.x() + radius - 1) * size, cells.top() + row * size, size, size};
}

MapGrid GridFor(QSize size, int radius, int rows, int legendWidth) {
  MapGrid grid{radius, rows, {}};
  const double width = std::max(1, size.width() - legendWidth - kGap);
  const double cell =
      std::max(1.0, std::min(width / grid.columns(), static_cast<double>(size.height()) / rows));
  const double w = cell * grid.columns();
  const double h = cell * rows;
  grid.cells = QRectF((width - w) / 2, (size.height() - h) / 2, w, h);
  return grid;
}

StartMapPicture::StartMapPicture(QWidget* parent) : QWidget(parent) {
  setMouseTracking(true);
  setMinimumSize(160, 120);
  setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
}

void StartMapPicture::ShowValues(int radius, int rows, std::vector<double> values,
                                 QString (*valueText)(double)) {
  grid_.radius = radius;
  grid_.rows = rows;
  values_ = std::move(values);
  valueText_ = valueText;
  Redraw();
}

void StartMapPicture::MarkStart(QPoint start) {
  if (start == start_) return;
  start_ = start;
  Redraw();
}

int StartMapPicture::LegendWidth() const {
  if (valueText_ == nullptr || values_.empty()) return 0;
  const QFontMetrics metrics(font());
  const auto [low, high] = std::minmax_element(values_.begin(), values_.end());
  const int numbers = std::max(metrics.horizontalAdvance(valueText_(*low)),
                               metrics.horizontalAdvance(valueText_(*high)));
  return kLegendBar + kGap + numbers + kGap;
}

void StartMapPicture::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  Redraw();
}

void StartMapPicture::Redraw() {
  const qreal ratio = devicePixelRatioF();
  image_ = QImage((QSizeF(size()) * ratio).toSize(), QImage::Format_RGB32);
  image_.setDevicePixelRatio(ratio);
  image_.fill(palette().color(QPalette::Window));
  grid_ = GridFor(size(), grid_.radius, grid_.rows, LegendWidth());
  const std::size_t cellCount = static_cast<std::size_t>(grid_.columns()) * grid_.rows;
  if (values_.size() == cellCount) {
    QPainter painter(&image_);
    const auto [lowIt, highIt] = std::minmax_element(values_.begin(), values_.end());
    const double low = *lowIt;
    const double high = *highIt;
    const double span = high - low > 1e-12 ? high - low : 1.0;
    for (int row = 0; row < grid_.rows; ++row) {
      for (int column = 0; column < grid_.columns(); ++column) {
        const double value = values_[static_cast<std::size_t>(row * grid_.columns() + column)];
        const QPoint start(column - (grid_.radius - 1),
                           grid_.rows == 1 ? 0 : row - (grid_.radius - 1));
        // Cells a little larger than their share, so that no seams show between them.
        painter.fillRect(grid_.CellOf(start).adjusted(0, 0, 0.5, 0.5),
                         HeatColour((value - low) / span));
      }
    }
    if (grid_.rows > 1 || start_.y() == 0) {
      // A white frame in a black one: the mark shows on the dark and the light end of the
      // scale. Around the cell, so that the cell's own colour stays to be seen even when small.
      const QRectF cell = grid_.CellOf(start_);
      const double grow = std::max(2.0, cell.width() * 0.15);
      const QRectF frame = cell.adjusted(-grow, -grow, grow, grow).toAlignedRect();
      painter.setBrush(Qt::NoBrush);
      painter.setPen(QPen(Qt::black, 4));
      painter.drawRect(frame);
      painter.setPen(QPen(Qt::white, 2));
      painter.drawRect(frame);
    }
    DrawLegend(painter, low, high);
  }
  update();
}

void StartMapPicture::DrawLegend(QPainter& painter, double low, double high) {
  const QFontMetrics metrics(font());
  const double left = grid_.cells.right() + kGap;
  // Beside the cells, centred on them; never so short that its three values run together, as
  // beside the single row of a line.
  const double text = metrics.height();
  const double height =
      std::max(grid_.cells.height() - 2 * text, std::min(this->height() - 2 * text, 8 * text));
  const double top = std::max(text / 2, grid_.cells.center().y() - height / 2);
  const QRectF bar(left, top, kLegendBar, height);
  QLinearGradient gradient(bar.bottomLeft(), bar.topLeft());
  for (int i = 0; i <= 8; ++i) gradient.setColorAt(i / 8.0, HeatColour(i / 8.0));
  painter.fillRect(bar, gradient);
  painter.setPen(palette().color(QPalette::WindowText));
  painter.setFont(font());
  painter.drawRect(bar);
  const auto label = [&](double y, double value) {
    painter.drawText(QPointF(bar.right() + kGap, y + metrics.ascent() / 2.0), valueText_(value));
  };
  label(bar.top(), high);
  label(bar.center().y(), (low + high) / 2);
  label(bar.bottom(), low);
}

void StartMapPicture::paintEvent(QPaintEvent* event) {
  QPainter painter(this);
  painter.drawImage(event->rect(), image_,
                    QRectF(QPointF(event->rect().topLeft()) * image_.devicePixelRatio(),
                           QSizeF(event->rect().size()) * image_.devicePixelRatio()));
}

void StartMapPicture::mouseMoveEvent(QMouseEvent* event) {
  // Told at every move, so that a map that arrives under a resting pointer is read at once.
  const auto start = grid_.StartAt(event->position());
  if (start) {
    emit Pointed(*start);
  } else {
    emit PointerLeft();
  }
}

void StartMapPicture::leaveEvent(QEvent* event) {
  QWidget::leaveEvent(event);
  emit PointerLeft();
}

}  // namespace quirlweg
