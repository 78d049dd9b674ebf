#include "evaluation/button_rows.h"

#include <QGridLayout>
#include <QResizeEvent>
#include <algorithm>
#include <utility>

namespace quirlweg {

ButtonRows::ButtonRows(QWidget* parent) : QWidget(parent), grid_(new QGridLayout(this)) {
  grid_->setContentsMargins(0, 0, 0, 0);
}

void ButtonRows::Fill(QWidget* head, QWidget* tail, std::vector<QWidget*> buttons) {
  head_ = head;
  tail_ = tail;
  buttons_ = std::move(buttons);
  columns_ = 0;
  Flow(2);
}

int ButtonRows::WidthFor(int columns) const {
  if (head_ == nullptr) return 0;
  int column = 0;
  for (const QWidget* button : buttons_) column = std::max(column, button->sizeHint().width());
  const int spacing = std::max(grid_->horizontalSpacing(), 0);
  const int width = columns * column + (columns - 1) * spacing;
  // Two columns put the head and the tail on rows of their own.
  if (columns == 2) return std::max({width, head_->sizeHint().width(), tail_->sizeHint().width()});
  return std::max({width, head_->sizeHint().width() + spacing + tail_->sizeHint().width(),
                   column + spacing + tail_->sizeHint().width()});
}

QSize ButtonRows::minimumSizeHint() const {
  return {WidthFor(2), grid_->minimumSize().height()};
}

void ButtonRows::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  Flow(event->size().width() >= WidthFor(3) ? 3 : 2);
}

void ButtonRows::Flow(int columns) {
  if (columns == columns_ || head_ == nullptr) return;
  columns_ = columns;
  while (QLayoutItem* item = grid_->takeAt(0)) delete item;
  int row = 0;
  if (columns == 2) {
    grid_->addWidget(head_, row++, 0, 1, 2);
    grid_->addWidget(tail_, row++, 0, 1, 2);
  } else {
    grid_->addWidget(head_, row, 0);
    grid_->addWidget(tail_, row++, 1, 1, 2);
  }
  for (std::size_t i = 0; i < buttons_.size(); ++i) {
    const auto place = static_cast<int>(i);
    grid_->addWidget(buttons_[i], row + place / columns, place % columns);
  }
  updateGeometry();
}

}  // namespace quirlweg
