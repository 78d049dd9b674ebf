#pragma once

#include <QScrollBar>

namespace quirlweg {

// A horizontal scroll bar for a setting: the arrow keys move it the way they point (a plain
// QScrollBar inverts them: ← raises the value), and it shows when it has the keyboard focus,
// which a plain one does not.
class SettingBar final : public QScrollBar {
  Q_OBJECT

 public:
  explicit SettingBar(QWidget* parent = nullptr);

 protected:
  void paintEvent(QPaintEvent* event) override;
};

}  // namespace quirlweg
