#pragma once

#include <QImage>
#include <QWidget>
#include <optional>
#include <vector>

#include "classroom/class_status.h"

class QPainter;

namespace quirlweg {

// The class's picture: every device's share of home ends as a dot over its number of journeys
// (a logarithmic axis), against the band the exact chance predicts for so many journeys, and
// the pooled share beside them. The band narrows like 1/√n, so the dots close in as the class
// walks on while each device alone may well stray.
class ClassPicture final : public QWidget {
 public:
  struct Dot {
    qint64 journeys = 0;
    double share = 0;  // 0..1
    QString label;     // empty: none shown
  };

  explicit ClassPicture(QWidget* parent);
  void Show(std::vector<Dot> devices, std::optional<Dot> pool, std::optional<double> exact);

  QSize sizeHint() const override { return {520, 360}; }
  // The picture as the report prints it.
  QImage PaperPicture() const;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  void Paint(QPainter& painter, const QSize& size) const;
  QPointF Place(const QRectF& area, double journeys, double share) const;

  std::vector<Dot> devices_;
  std::optional<Dot> pool_;
  std::optional<double> exact_;
  classroom::ClassPictureAxes axes_;
};

}  // namespace quirlweg
