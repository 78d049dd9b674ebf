#pragma once

#include <QImage>
#include <QPoint>
#include <QRectF>
#include <QString>
#include <QWidget>
#include <optional>
#include <vector>

namespace quirlweg {

// Where the cells of a start-point map lie in a picture: a square of (2R - 1) columns and as
// many rows (one on a line), as large as fits beside the legend, centred. Cells are named by
// the start they stand for, x to the right and y as stored (growing downward, as the lattice
// view draws it).
struct MapGrid {
  int radius = 2;
  int rows = 3;
  QRectF cells;  // all cells together, in device-independent pixels

  int columns() const { return 2 * radius - 1; }
  double cellSize() const { return cells.width() / columns(); }
  // The start whose cell holds `pixel`; nothing outside the cells.
  std::optional<QPoint> StartAt(QPointF pixel) const;
  // The cell of start (x, y); on a line every y is shown on the one row.
  QRectF CellOf(QPoint start) const;
};

// The grid in an area of `size` with `legendWidth` pixels kept free on the right.
MapGrid GridFor(QSize size, int radius, int rows, int legendWidth);

// The map as a picture: each start's value as a colour of a colour-blind-safe scale, a legend
// with values at its ends and middle, and the current start marked. Tells where the pointer is.
class StartMapPicture : public QWidget {
  Q_OBJECT

 public:
  explicit StartMapPicture(QWidget* parent = nullptr);

  // `values` by MapGrid rows top to bottom, each left to right; `valueText` makes the legend's
  // numbers. Nothing to show with empty values.
  void ShowValues(int radius, int rows, std::vector<double> values, QString (*valueText)(double));
  void MarkStart(QPoint start);
  const MapGrid& grid() const { return grid_; }

 signals:
  void Pointed(QPoint start);
  void PointerLeft();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void leaveEvent(QEvent* event) override;

 private:
  void Redraw();
  void DrawLegend(class QPainter& painter, double low, double high);
  int LegendWidth() const;

  MapGrid grid_;
  std::vector<double> values_;
  QString (*valueText_)(double) = nullptr;
  QPoint start_;
  QImage image_;
};

}  // namespace quirlweg
