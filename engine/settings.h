#pragma once

#include <concepts>

namespace quirlweg {

enum class RunMode { Step = 0, Journey = 1, TwentyJourneys = 2 };

// The walk's inputs, read from the controls at the moment of use and never cached.
class WalkSettingsSource {
 public:
  virtual ~WalkSettingsSource() = default;
  virtual int Dimension() const = 0;            // 1, 2 or 3
  virtual double RightProbability() const = 0;  // 0..1 in steps of 0.01
  virtual bool HomeAbsorbs() const = 0;
  virtual int LatticeSize() const = 0;  // kSmallestRadius..kLargestRadius
  virtual RunMode Mode() const = 0;
  virtual char DecimalSeparator() const = 0;  // the user locale's, ',' in German
};

// The same inputs as a concept, for settings a benchmark keeps in plain fields.
template <class T>
concept WalkSettingsRole = requires(const T& s) {
  { s.Dimension() } -> std::convertible_to<int>;
  { s.RightProbability() } -> std::convertible_to<double>;
  { s.HomeAbsorbs() } -> std::convertible_to<bool>;
  { s.LatticeSize() } -> std::convertible_to<int>;
  { s.Mode() } -> std::same_as<RunMode>;
  { s.DecimalSeparator() } -> std::convertible_to<char>;
};

static_assert(WalkSettingsRole<WalkSettingsSource>);

// The lattice sizes R the program offers, and p(rechts) in whole per cent from 0 to 100.
inline constexpr int kSmallestRadius = 2;
inline constexpr int kLargestRadius = 50;
inline constexpr int kMostPercent = 100;

// What a journey runs under: the settings that decide how it goes and its start point (y as
// stored, downward).
struct JourneySetting {
  int dimension = 2;
  int radius = 5;
  double rightProbability = 0.5;
  bool homeAbsorbs = true;
  int startX = 0;
  int startY = 0;

  friend bool operator==(const JourneySetting&, const JourneySetting&) = default;
};

template <WalkSettingsRole Settings>
JourneySetting JourneySettingOf(const Settings& settings, int radius, int startX, int startY) {
  return {settings.Dimension(),   radius, settings.RightProbability(),
          settings.HomeAbsorbs(), startX, startY};
}

// A walk's inputs fixed for a run: a setting with the run mode and the decimal separator. Final,
// so that a walk instantiated on this type calls it directly; the program's window reads its
// controls instead.
struct FixedSettings final : WalkSettingsSource {
  FixedSettings() = default;
  explicit FixedSettings(const JourneySetting& walkSetting, RunMode runMode = RunMode::Journey)
      : setting(walkSetting), mode(runMode) {}

  int Dimension() const override { return setting.dimension; }
  double RightProbability() const override { return setting.rightProbability; }
  bool HomeAbsorbs() const override { return setting.homeAbsorbs; }
  int LatticeSize() const override { return setting.radius; }
  RunMode Mode() const override { return mode; }
  char DecimalSeparator() const override { return decimalSeparator; }

  JourneySetting setting;  // the start point is the walk's own, set on its state
  RunMode mode = RunMode::Journey;
  char decimalSeparator = ',';
};

}  // namespace quirlweg
