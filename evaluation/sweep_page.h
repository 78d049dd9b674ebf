#pragma once

#include <QElapsedTimer>
#include <QWidget>
#include <cstdint>
#include <optional>
#include <stop_token>
#include <thread>
#include <vector>

#include "evaluation/sweep_words.h"

class QChart;
class QComboBox;
class QLabel;
class QProgressBar;
class QPushButton;
class QSpinBox;

namespace quirlweg {

class ExactStatistics;

// "Versuchsreihe": journeys through the engine, without drawing, at every point of a sweep
// over one parameter of the current setting, on worker threads using every core, against the
// exact curve. The window stays responsive; Abbrechen stops the sweep within a tenth of a
// second and leaves no table. The main window's walk is not touched.
class SweepPage : public QWidget {
  Q_OBJECT

 public:
  SweepPage(const ExactStatistics& exact, QWidget* parent = nullptr);
  ~SweepPage() override;

  bool Running() const { return running_; }
  // The finished sweep's table; none while one runs or after a cancel.
  const std::optional<SweepTable>& table() const { return table_; }

 signals:
  // A sweep finished (`completed`) or was cancelled.
  void Finished(bool completed);

 protected:
  void changeEvent(QEvent* event) override;

 private:
  struct Outcome {
    SweepChoice choice;
    SweepQuantity quantity;
    std::vector<theory::Setting> points;
    std::vector<MeasuredPoint> measured;
    std::vector<theory::JourneyStatistics> exact;
  };

  void StartOrCancel();
  void Start();
  void Progress(std::uint64_t run, std::int64_t done, std::int64_t total);
  void Deliver(std::uint64_t run, std::optional<Outcome> outcome);
  void ShowTable();
  void SaveTable();

  const ExactStatistics& exact_;
  QComboBox* choiceChooser_ = nullptr;
  QComboBox* quantityChooser_ = nullptr;
  QSpinBox* perPointBox_ = nullptr;
  QPushButton* startButton_ = nullptr;
  QPushButton* saveButton_ = nullptr;
  QProgressBar* progress_ = nullptr;
  QLabel* status_ = nullptr;
  QChart* chart_ = nullptr;

  std::optional<SweepTable> table_;
  bool running_ = false;
  std::uint64_t run_ = 0;
  QElapsedTimer clock_;
  // Declared last: destroyed first, so the sweep stops and is joined before the rest goes.
  std::jthread runner_;
};

}  // namespace quirlweg
