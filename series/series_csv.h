#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>

#include "engine/display_roles.h"
#include "series/csv_table.h"
#include "series/journey_series.h"
#include "theory/journey_statistics.h"

namespace quirlweg {

// The words of a series' CSV. Each edition gives them in the user's language from its own
// translations, by these ids; the bytes around them are made here, the same for both.
enum class CsvWord {
  Title,
  Date,
  Dimension,
  Radius,
  RightProbability,
  StartX,
  StartY,
  HomeAbsorbs,
  Seed,
  MixesSettings,
  ExactHome,
  ExactTop,
  ExactRight,
  ExactBottom,
  ExactLeft,
  ExactZFaces,
  ExactMeanLength,
  ExactSdLength,
  ExactMissing,
  Yes,
  No,
  EndHome,
  EndTop,
  EndRight,
  EndBottom,
  EndLeft,
  EndZFace,
  Number,
  Length,
  X,
  Y,
  Z,
  End,
  NumberInProtocol,
};
inline constexpr std::size_t kCsvWordCount =
    static_cast<std::size_t>(CsvWord::NumberInProtocol) + 1;
using CsvWords = std::array<std::string, kCsvWordCount>;

// What a series' CSV says about the series besides its journeys.
struct SeriesHeader {
  std::string when;                                // the date and time, as the edition words it
  theory::Setting setting;                         // the current one
  std::optional<theory::JourneyStatistics> exact;  // for `setting`, when known
  bool mixesSettings = false;
  std::optional<std::uint64_t> seed;  // the series' own, when it has one
};

// The series' CSV made journey by journey (see CsvTable): a header block, then a row of column
// names and one row per journey with the end point as the protocol shows it (y upward).
class SeriesCsvStream {
 public:
  SeriesCsvStream(const SeriesHeader& header, CsvWords words, std::string decimalSeparator);
  void Add(const JourneyRecord& journey);
  // What was made since the last call.
  std::string Take() { return csv_.Take(); }

 private:
  const std::string& Word(CsvWord word) const { return words_[static_cast<std::size_t>(word)]; }
  void WriteHeader(const SeriesHeader& header);

  CsvWords words_;
  CsvTable csv_;
  std::int64_t journeys_ = 0;
};

// The whole series as SeriesCsvStream makes it.
std::string SeriesCsv(const JourneySeries& journeys, const SeriesHeader& header,
                      const CsvWords& words, const std::string& decimalSeparator);

}  // namespace quirlweg
