#pragma once

#include <QObject>

class QAction;
class QWidget;

namespace quirlweg {

class Simulation;

// "Versuch speichern …" (Ctrl+S), "Versuch öffnen …" (Ctrl+O) and, while a lesson with a
// description is open, "Anleitung …" (F1) in the lattice view's context menu. The window only asks:
// whoever serves experiment files connects to the actions' triggered signals, and other windows may
// show and trigger the same actions.
class ExperimentActions : public QObject {
  Q_OBJECT

 public:
  // A child of the window.
  explicit ExperimentActions(Simulation& window);

  QAction* save() const { return save_; }
  QAction* open() const { return open_; }
  QAction* guide() const { return guide_; }
  // Makes the keys work in `other` as well, a window of its own.
  void AddTo(QWidget& other) const;

 private:
  QAction* save_;
  QAction* open_;
  QAction* guide_;
};

}  // namespace quirlweg
