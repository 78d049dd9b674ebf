#pragma once

#include <QObject>
#include <functional>

class QPushButton;
class QWidget;

namespace quirlweg {

class ClassPicture;
class PoolEvaluation;

namespace classroom {
class Classroom;
}

// What the board keeps of a class: the pooled journeys as CSV, as the evaluation saves a
// series; as an experiment file holding each device's seed and journeys, which walks them again;
// and the report of the pooled series with the class's picture in place of the lattice.
// These stay at hand after the class has ended, when the pool is complete.
class PoolFiles final : public QObject {
  Q_OBJECT

 public:
  // The buttons are children of `row`.
  PoolFiles(std::function<const classroom::Classroom&()> classroom, const PoolEvaluation& pool,
            const ClassPicture& picture, QWidget* row);

  QPushButton* dataButton() const { return data_; }
  QPushButton* experimentButton() const { return experiment_; }
  QPushButton* reportButton() const { return report_; }

 private:
  void SaveData();
  void SaveExperiment();

  QWidget* row_;
  std::function<const classroom::Classroom&()> classroom_;
  const PoolEvaluation& pool_;
  const ClassPicture& picture_;
  QPushButton* data_;
  QPushButton* experiment_;
  QPushButton* report_;
};

}  // namespace quirlweg
