#include "evaluation/two_way_row.h"

#include <QBoxLayout>
#include <QResizeEvent>
#include <algorithm>

namespace quirlweg {

TwoWayRow::TwoWayRow(QWidget* first, QWidget* second, QWidget* parent)
    : QWidget(parent),
      first_(first),
      second_(second),
      row_(new QBoxLayout(QBoxLayout::TopToBottom, this)) {
  row_->setContentsMargins(0, 0, 0, 0);
  row_->addWidget(first);
  row_->addWidget(second);
  row_->addStretch();
}

int TwoWayRow::SideBySideWidth() const {
  return first_->sizeHint().width() + std::max(row_->spacing(), 0) + second_->sizeHint().width();
}

QSize TwoWayRow::minimumSizeHint() const {
  return {std::max(first_->minimumSizeHint().width(), second_->minimumSizeHint().width()),
          row_->minimumSize().height()};
}

void TwoWayRow::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  const auto direction = event->size().width() >= SideBySideWidth() ? QBoxLayout::LeftToRight
                                                                    : QBoxLayout::TopToBottom;
  if (row_->direction() == direction) return;
  row_->setDirection(direction);
  updateGeometry();
}

}  // namespace quirlweg
