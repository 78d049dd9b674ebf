#pragma once

#include <QScrollBar>

namespace quirlweg {

// A horizontal scroll bar for a setting: the arrow keys move it the way they point (a plain
// QScrollBar inverts them: ← raises the value), and it shows when it has the keyboard focus,
// which a plain one does not. The mouse wheel moves it only while it has the focus: a new
// setting wipes the traces and counters, and a wheel turned over the window to scroll
// something else must not do that.
class SettingBar final : public QScrollBar {
  Q_OBJECT

 public:
  explicit SettingBar(QWidget* parent = nullptr);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void wheelEvent(QWheelEvent* event) override;
};

}  // namespace quirlweg
