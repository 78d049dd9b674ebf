#pragma once

#include <QObject>

class QAction;

namespace quirlweg {

class Simulation;

// Strong colours for a weak projector that washes the light grey ground, the yellow boundary
// and the cyan points out: an entry of the lattice view's context menu, also on the key K.
// Switching redraws the lattice with the traces drawn so far. A child of the window.
class ContrastChoice : public QObject {
  Q_OBJECT

 public:
  explicit ContrastChoice(Simulation& window);

  QAction* action() const { return action_; }

 private:
  void Show(bool high);

  Simulation& window_;
  QAction* action_;
};

}  // namespace quirlweg
