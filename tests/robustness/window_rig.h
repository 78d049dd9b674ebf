#pragma once

// Helpers for driving the real window as a person would and for checking what it holds.

#include <QObject>
#include <QString>
#include <QStringList>
#include <QTimer>
#include <QWidget>
#include <functional>
#include <string>
#include <vector>

#include "window/simulation.h"

namespace quirlweg::robustness {

// A control of the window by its classic name ("Text1(2)"); null when there is none.
template <class Control = QWidget>
Control* Find(const QWidget& window, const char* name) {
  return window.findChild<Control*>(QString::fromLatin1(name));
}

// A real left click where a person would click: the middle of a push button, the indicator
// of an option button or check box (their wide boxes may overlap a neighbour).
void ClickControl(QWidget* control);

// Types the text key by key into the control, letters beyond ASCII included.
void TypeInto(QWidget* control, const QString& text);

// Accepts every message box that opens while it lives, from within the box's own event loop,
// and remembers what each one said.
class NoticeCloser {
 public:
  // `whileOpen` runs with each box still open, before it is closed.
  explicit NoticeCloser(std::function<void()> whileOpen = {});
  int Closed() const { return static_cast<int>(texts_.size()); }
  const QStringList& Texts() const { return texts_; }
  const QStringList& Captions() const { return captions_; }

 private:
  QTimer timer_;
  std::function<void()> whileOpen_;
  QStringList texts_;
  QStringList captions_;
};

// Everything that is wrong with the window right now, in words; empty when all is well:
// the walker and the start point strictly inside the boundary, no number text that is not
// finite, a protocol of at most 1002 entries whose count, lengths and end points agree with
// the walk, and count, share and mean boxes that agree with it.
std::vector<std::string> Problems(Simulation& window);

// Whether the edge just walked lies within the visit-count tables (right after a step).
bool EdgeWithinTables(const WalkState& state);

}  // namespace quirlweg::robustness
