#pragma once

#include <QImage>
#include <QPoint>
#include <QWidget>
#include <array>
#include <optional>
#include <vector>

namespace quirlweg {

// One boundary cell: the measured share of exits with its 95 % range, and the exact one.
struct ExitCell {
  double measured = 0;
  double low = 0;
  double high = 0;
  std::optional<double> exact;
};

// What the picture shows: per side (top, right, bottom, left) its cells, c = -(R - 1) .. R - 1
// (x along top and bottom, y as stored along right and left), and the start in the plane.
struct ExitPlacesView {
  int radius = 0;
  bool measured = false;  // any journeys counted
  std::array<std::vector<ExitCell>, 4> sides;
  QPoint start;
};

// The lattice plane as a square with the four sides as bar strips around it, each bar growing
// outward from its boundary cell: measured shares as bars with range whiskers, exact shares as
// dark marks across the cell. All strips share one scale, so sides compare at a glance.
class ExitPlacesPicture : public QWidget {
  Q_OBJECT

 public:
  explicit ExitPlacesPicture(QWidget* parent = nullptr);
  void Show(ExitPlacesView view);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  void Redraw();

  ExitPlacesView view_;
  QImage image_;
};

}  // namespace quirlweg
