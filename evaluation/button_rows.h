#pragma once

#include <QWidget>
#include <vector>

class QGridLayout;

namespace quirlweg {

// The evaluation's buttons in three columns where the window is wide enough for them, else in
// two: beside the main window on a projector's screen the table and the chart need the height,
// while on a small screen the window still fits in a narrow strip.
class ButtonRows final : public QWidget {
 public:
  explicit ButtonRows(QWidget* parent);

  // `head` and `tail` open the rows, the one left and the other spanning the rest; the
  // buttons follow in order.
  void Fill(QWidget* head, QWidget* tail, std::vector<QWidget*> buttons);

  // As narrow as two columns.
  QSize minimumSizeHint() const override;

 protected:
  void resizeEvent(QResizeEvent* event) override;

 private:
  int WidthFor(int columns) const;
  void Flow(int columns);

  QWidget* head_ = nullptr;
  QWidget* tail_ = nullptr;
  std::vector<QWidget*> buttons_;
  QGridLayout* grid_;
  int columns_ = 0;
};

}  // namespace quirlweg
