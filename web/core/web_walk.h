#pragma once

#include <array>
#include <chrono>
#include <cstdint>
#include <optional>
#include <utility>
#include <vector>

#include "engine/settings.h"
#include "engine/uniform_source.h"
#include "engine/walk.h"
#include "lesson/experiment.h"
#include "series/journey_announcer.h"
#include "theory/journey_statistics.h"
#include "web_displays.h"
#include "web_evaluation.h"

namespace quirlweg::web {

// The page's controls as plain values; the walk reads them when it needs them, as it reads
// the window's controls.
class WebSettings final : public WalkSettingsSource {
 public:
  int Dimension() const override { return dimension_; }
  double RightProbability() const override { return rightProbability_; }
  bool HomeAbsorbs() const override { return homeAbsorbs_; }
  int LatticeSize() const override { return latticeSize_; }
  RunMode Mode() const override { return mode_; }
  char DecimalSeparator() const override { return decimalSeparator_; }

  // Values from the page are brought into the ranges the walk is made for.
  void SetDimension(int dimension);
  void SetRightPercent(int percent);
  void SetHomeAbsorbs(bool absorbs) { homeAbsorbs_ = absorbs; }
  void SetLatticeSize(int radius);
  void SetMode(int mode);
  void SetDecimalSeparator(char separator) { decimalSeparator_ = separator; }

 private:
  int dimension_ = 2;
  double rightProbability_ = 0.5;
  bool homeAbsorbs_ = true;
  int latticeSize_ = 5;
  RunMode mode_ = RunMode::Journey;
  char decimalSeparator_ = ',';
};

// The walk with the page's settings and displays and a generator of its own: what the
// program's window owns, without the window.
class WebWalk {
 public:
  // A first series from `seed`.
  explicit WebWalk(std::uint64_t seed);
  WebWalk(const WebWalk&) = delete;
  WebWalk& operator=(const WebWalk&) = delete;

  WebSettings& settings() { return settings_; }
  WebDisplays& displays() { return displays_; }
  const WebDisplays& displays() const { return displays_; }
  Walk& walk() { return walk_; }

  // What the window does on opening: the lattice, no end marker, the walker on the origin.
  void Load();
  // The seed the series was walked from; each new series after walking gets the next one, as
  // on the desktop.
  std::uint64_t Seed() const { return seed_; }
  // A new series from `seed`: the walker back on the start point, traces and counters cleared.
  void UseSeed(std::uint64_t seed);
  // Walks `journeys` whole journeys as "20 Reisen" and "Reise" do at the fastest tempo; the
  // run mode is put back after.
  void WalkJourneys(std::int64_t journeys);
  // The series as an experiment that walks it again, with its own setting and seed; none when
  // it is empty, mixes settings or is too long to keep.
  std::optional<Experiment> SeriesExperiment() const;
  // Takes at most `maxSteps` steps of the run begun with walk().BeginStepwiseRun(); false once
  // its last journey has ended.
  bool ContinueRun(int maxSteps);
  // The setting whose exact statistics match the journeys the walk now makes.
  theory::Setting ExactSetting() const;
  // The exact statistics of the current setting, kept for the evaluation; none for a setting
  // no walk can have. Slow on large lattices: the page asks once the setting changed.
  const std::optional<theory::JourneyStatistics>& ComputeExact();
  // The same computed elsewhere (a worker) for `setting`; taken only while it is still the
  // current setting. False when the setting changed meanwhile.
  bool TakeExact(const theory::Setting& setting,
                 std::optional<theory::JourneyStatistics> statistics);
  // The exact statistics computed last where they are those of the current setting, hidden
  // from the class or not.
  std::optional<theory::JourneyStatistics> CurrentExact() const;
  // The evaluation of the series against the exact values computed last, where they are those
  // of the current setting.
  EvaluationFigures Evaluation(SeriesRow side, bool logarithmic = false) const;
  // Each row's exact value for the setting computed last; none before, or for no such row.
  std::array<std::optional<double>, kSeriesRowCount> ExactRows() const;

  // The class guesses first: the evaluation and ExactRows() leave every exact value out until
  // Reveal(). Switching it on hides them again.
  void SetPredictFirst(bool first) {
    predictFirst_ = first;
    revealed_ = false;
  }
  bool PredictFirst() const { return predictFirst_; }
  void Reveal() { revealed_ = true; }
  bool ExactHidden() const { return predictFirst_ && !revealed_; }
  // The class's guess, drawn beside the measurement and saved with the experiment.
  void SetGuess(std::optional<ClassGuess> guess) { guess_ = guess; }
  const std::optional<ClassGuess>& Guess() const { return guess_; }

  // The steps of the lesson opened last, with the class's answers, saved with the experiment.
  void SetSteps(std::vector<LessonStep> steps) { steps_ = std::move(steps); }
  std::vector<LessonStep>& Steps() { return steps_; }

  // What a screen reader is to say now of the journeys that ended since it last spoke.
  std::optional<Announcement> NextAnnouncement(std::chrono::milliseconds now) {
    return announcer_.Next(displays_.Series(), now);
  }

 private:
  std::uint64_t seed_;
  GeneratorSource source_;
  WebSettings settings_;
  WebDisplays displays_;
  Walk walk_;
  std::optional<theory::JourneyStatistics> exact_;
  theory::Setting exactSetting_;
  bool predictFirst_ = false;
  bool revealed_ = false;
  std::optional<ClassGuess> guess_;
  JourneyAnnouncer announcer_;
  std::vector<LessonStep> steps_;
};

}  // namespace quirlweg::web
