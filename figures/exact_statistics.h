#pragma once

#include <QObject>
#include <cstdint>
#include <optional>
#include <stop_token>
#include <thread>

#include "theory/journey_statistics.h"

namespace quirlweg {

// The exact statistics of the current setting, computed off the GUI thread. A new setting
// cancels the computation still running for the old one; until the new values arrive there
// are none.
class ExactStatistics : public QObject {
  Q_OBJECT

 public:
  explicit ExactStatistics(QObject* parent = nullptr);
  ~ExactStatistics() override;

  // Starts a computation unless `setting` is the one last asked for.
  void Request(const theory::Setting& setting);

  const theory::Setting& setting() const { return setting_; }
  // The values for `setting()`, or nothing while they are being computed or could not be.
  const std::optional<theory::JourneyStatistics>& values() const { return values_; }
  // Runs the event loop until the values are there, for a program that needs them before it
  // goes on (a headless run, walkbench); they come in well under a second even for the
  // largest lattice. Gives up after a minute: the files then say the values are missing.
  void AwaitValues() const;

 signals:
  // After every change of `values()`: when a computation starts and when it delivers.
  void Changed();

 private:
  void Deliver(std::uint64_t request, theory::JourneyStatistics values);

  theory::Setting setting_;
  bool requested_ = false;
  std::uint64_t request_ = 0;
  std::optional<theory::JourneyStatistics> values_;
  // Declared last: destroyed first, so the worker stops and is joined before the rest goes.
  std::jthread worker_;
};

}  // namespace quirlweg
