#pragma once

#include <QImage>
#include <QWidget>

#include "sweep/exit_places_view.h"

namespace quirlweg {

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
