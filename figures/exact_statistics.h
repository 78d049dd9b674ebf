#pragma once

#include <QObject>
#include <cstdint>
#include <optional>
#include <stop_token>
#include <thread>

#include "series/series_summary.h"
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
  // The values for `setting()`, or nothing while they are being computed, could not be or
  // are hidden for the class to guess first.
  const std::optional<theory::JourneyStatistics>& values() const {
    return hidden() ? withheld_ : values_;
  }

  // The class guesses first: every exact value stays hidden until Reveal(). Switching it on
  // hides them again.
  void SetPredictFirst(bool first);
  bool predictFirst() const { return predictFirst_; }
  void Reveal();
  bool hidden() const { return predictFirst_ && !revealed_; }
  // The class's guess, drawn beside the measurement, saved and printed.
  void SetGuess(std::optional<ClassGuess> guess);
  const std::optional<ClassGuess>& guess() const { return guess_; }
  // Runs the event loop until the values are there, for a program that needs them before it
  // goes on (a headless run, walkbench); they come in well under a second even for the
  // largest lattice. Gives up after a minute: the files then say the values are missing.
  void AwaitValues() const;

 signals:
  // After every change of `values()`, `hidden()` or `guess()`: when a computation starts and
  // when it delivers.
  void Changed();

 private:
  void Deliver(std::uint64_t request, theory::JourneyStatistics values);

  theory::Setting setting_;
  bool requested_ = false;
  std::uint64_t request_ = 0;
  std::optional<theory::JourneyStatistics> values_;
  const std::optional<theory::JourneyStatistics> withheld_;  // always empty
  bool predictFirst_ = false;
  bool revealed_ = false;
  std::optional<ClassGuess> guess_;
  // Declared last: destroyed first, so the worker stops and is joined before the rest goes.
  std::jthread worker_;
};

}  // namespace quirlweg
