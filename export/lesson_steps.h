#pragma once

#include <QDialog>
#include <vector>

#include "lesson/experiment.h"

class QLabel;
class QLineEdit;
class QPushButton;

namespace quirlweg {

class Simulation;

// A lesson's steps beside the windows, one at a time: what the class reads and does, its
// question with a box for the class's answer, "Zurück" and "Weiter". A step with a setting of
// its own puts the window in it when the class comes to it. A child of the main window.
class LessonSteps : public QDialog {
  Q_OBJECT

 public:
  // `english`: the steps' English texts where the lesson has them.
  LessonSteps(Simulation& window, bool english);

  // Shows the lesson's steps from the first on; none hides the panel.
  void Take(std::vector<LessonStep> steps);
  // The steps with the answers the class typed, for saving the lesson again.
  const std::vector<LessonStep>& steps() const { return steps_; }
  int current() const { return current_; }
  bool english() const { return english_; }

 private:
  void Go(int step);
  void KeepAnswer();
  QString Pick(const std::string& german, const std::string& english) const;

  Simulation& window_;
  bool english_;
  std::vector<LessonStep> steps_;
  int current_ = 0;
  QLabel* heading_;
  QLabel* text_;
  QLabel* question_;
  QLineEdit* answer_;
  QPushButton* back_;
  QPushButton* next_;
};

}  // namespace quirlweg
