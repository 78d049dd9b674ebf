#pragma once

#include <array>
#include <chrono>
#include <optional>
#include <string_view>
#include <vector>

#include "engine/display_roles.h"
#include "series/journey_series.h"
#include "theory/journey_statistics.h"

namespace quirlweg {

// The normal distribution's two-sided 95 % quantile: the convergence chart's band and the
// mean's range where its normal form holds.
inline constexpr double kNormalQuantile95 = 1.96;

// While a run goes on, the evaluation follows it at most this often.
inline constexpr std::chrono::milliseconds kEvaluationRefreshInterval{100};

// The rows of the evaluation table, in the order shown.
enum class SeriesRow { Home, Boundary, Top, Right, Bottom, Left, ZFace, MeanLength };
inline constexpr int kSeriesRowCount = 8;

// Each row's name in files and in walkbench's lines: "home", "boundary", "top", "right",
// "bottom", "left", "z", "mean".
std::string_view RowKey(SeriesRow row);
std::optional<SeriesRow> RowOfKey(std::string_view key);

// What the class guessed before it walked, for one row of the table: a share from 0 to 1 or
// a mean length in steps.
struct ClassGuess {
  SeriesRow row = SeriesRow::Home;
  double value = 0;
  friend bool operator==(const ClassGuess&, const ClassGuess&) = default;
};

// The longest mean length a guess may name; far beyond any lattice's.
inline constexpr double kLongestGuessedMean = 1e9;

// The sides the convergence chart can follow when home does not absorb.
inline constexpr std::array kSideRows{SeriesRow::Top, SeriesRow::Right, SeriesRow::Bottom,
                                      SeriesRow::Left, SeriesRow::ZFace};

// Beside a marked row's exact value, for whoever cannot tell the colour and on paper printed
// in black: a ballot X.
inline constexpr std::string_view kMarkedSign = "\u2717";

// Every row but the mean length is a share of the journeys.
constexpr bool IsShare(SeriesRow row) {
  return row != SeriesRow::MeanLength;
}

// The row whose exact value each statistics box of the main window adds to its tooltip, by
// the name the layout places the box by: counts and shares, the mean, then the four sides.
struct BoxRow {
  std::string_view control;
  SeriesRow row;
};
inline constexpr std::array<BoxRow, 9> kExactInBoxes{{{"Text1(0)", SeriesRow::Home},
                                                      {"Text1(1)", SeriesRow::Home},
                                                      {"Text1(2)", SeriesRow::Boundary},
                                                      {"Text1(3)", SeriesRow::Boundary},
                                                      {"Text2", SeriesRow::MeanLength},
                                                      {"picRandtreffer(0)", SeriesRow::Top},
                                                      {"picRandtreffer(1)", SeriesRow::Right},
                                                      {"picRandtreffer(2)", SeriesRow::Bottom},
                                                      {"picRandtreffer(3)", SeriesRow::Left}}};

// Whether a walk in `dimension` can end in a row: the top and bottom sides need two
// dimensions, the z faces three. The table hides the others.
bool RowShown(SeriesRow row, int dimension);

// One row of what the series measured: a share of journeys or the mean length.
struct RowEstimate {
  std::optional<int> count;   // journeys that ended there; none for the mean length
  double measured = 0;        // a share in [0, 1] or a length in steps
  std::optional<double> low;  // the 95 % range of the measurement
  std::optional<double> high;
};

struct SeriesSummary {
  int journeys = 0;
  std::array<RowEstimate, kSeriesRowCount> rows{};
  // The journeys ran under different settings, or under one other than the current: the
  // exact values then describe no part of the series as a whole.
  bool mixesSettings = false;

  const RowEstimate& operator[](SeriesRow row) const { return rows[static_cast<int>(row)]; }
};

// Whether two settings give the same walk: every field that changes a journey's law, p in one
// dimension only (in more the steps do not use it), the start's y in one dimension too (off
// row 0 the walker never comes home).
bool SameWalk(const theory::Setting& a, const theory::Setting& b);

// Wilson's 95 % interval for `count` hits in `total` tries; none for no tries.
std::optional<std::pair<double, double>> WilsonInterval(int count, int total);

// The fewest steps a journey of the setting can take: straight to the nearest side or, with
// home absorbing, home.
int ShortestJourney(const theory::Setting& setting);

// Counts, shares and ranges of the series, and whether `current` describes all of it. Shares
// get the exact binomial test's range. The mean length, from two journeys of one setting on,
// gets a range from the exact distribution of the total length of that many journeys of
// `exact` (lumpy lengths, as on a short line, miss a normal range in up to one of seven short
// series) or, where the totals spread too wide for that, measured +- 1.96 sigma / sqrt(n) with
// the exact deviation. None without `exact`.
SeriesSummary Summarize(const JourneySeries& journeys, const theory::Setting& current,
                        const theory::JourneyStatistics* exact);

// The exact value of a row; none for the z faces outside three dimensions.
std::optional<double> ExactValue(const theory::JourneyStatistics& exact, SeriesRow row,
                                 int dimension);

// A row to mark: its exact value lies outside its measured range. Never in a mixed series.
bool OutsideRange(const SeriesSummary& summary, SeriesRow row, double exact);

// Which journeys count as a hit for the convergence chart's row.
bool EndsIn(JourneyEnd end, SeriesRow row);

}  // namespace quirlweg
