#pragma once

#include <QObject>

class QAction;

namespace quirlweg {

class Simulation;

// A checkable entry of the lattice view's context menu on a key of its own, wherever the focus
// is in the window, since the window has no room left for a control; owned by `owner`.
QAction* LatticeMenuEntry(Simulation& window, QObject* owner, const QString& text,
                          const QString& name, Qt::Key key);

// The choice of heat traces over the classic ever thicker ones: an entry of the lattice view's
// context menu, also on the key W.
// Switching redraws the traces drawn so far from the walk's visit counts.
class TraceStyleChoice : public QObject {
  Q_OBJECT

 public:
  // A child of the window.
  explicit TraceStyleChoice(Simulation& window);

  QAction* action() const { return action_; }

 private:
  void Show(bool heat);

  Simulation& window_;
  QAction* action_;
};

}  // namespace quirlweg
