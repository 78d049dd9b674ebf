#pragma once

#include <QFocusFrame>
#include <QObject>
#include <QPointer>

class QApplication;
class QWidget;

namespace quirlweg {

// A ring 2 px wide in the highlight colour around whichever control has the keyboard focus, in
// every window of the program: the styles' own marks, a pixel wide and often grey, cannot be
// seen from the back of a classroom. It lies outside the control and takes no clicks. A child
// of the application.
class FocusRing : public QObject {
  Q_OBJECT

 public:
  explicit FocusRing(QApplication& application);

  // The ring's widget, following the focus; null before any control had it.
  const QFocusFrame* frame() const { return frame_; }

 private:
  void Follow(QWidget* now);

  QPointer<QFocusFrame> frame_;
};

}  // namespace quirlweg
