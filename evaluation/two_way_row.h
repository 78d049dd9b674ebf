#pragma once

#include <QWidget>

class QBoxLayout;

namespace quirlweg {

// Two controls side by side where there is room for both, else one above the other: as narrow
// as the wider of them, as low as the room allows.
class TwoWayRow final : public QWidget {
 public:
  TwoWayRow(QWidget* first, QWidget* second, QWidget* parent);

  QSize minimumSizeHint() const override;

 protected:
  void resizeEvent(QResizeEvent* event) override;

 private:
  int SideBySideWidth() const;

  QWidget* first_;
  QWidget* second_;
  QBoxLayout* row_;
};

}  // namespace quirlweg
