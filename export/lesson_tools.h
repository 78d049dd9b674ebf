#pragma once

#include <QObject>

class QLineEdit;
class QPushButton;
class QWidget;

namespace quirlweg {

class ExperimentFiles;
class Simulation;

// The evaluation's tools for a lesson: the series' seed ("Startwert"), shown and settable,
// and the buttons that save and open experiments. Without the program's experiment files
// (in a test) the experiment buttons are disabled and the seed is only shown.
class LessonTools : public QObject {
  Q_OBJECT

 public:
  // The controls are children of `row`.
  LessonTools(const Simulation& simulation, QWidget* row);

  // Shows the series' seed unless the user is typing one.
  void Refresh();
  // For the evaluation's button row, as the row lays them out.
  QWidget* seedRow() const { return seedRow_; }
  QPushButton* saveButton() const { return save_; }
  QPushButton* openButton() const { return open_; }

 private:
  void TakeTypedSeed();

  QWidget* row_;
  const Simulation& simulation_;
  ExperimentFiles* files_;
  QWidget* seedRow_ = nullptr;
  QLineEdit* seedBox_ = nullptr;
  QPushButton* save_ = nullptr;
  QPushButton* open_ = nullptr;
};

}  // namespace quirlweg
