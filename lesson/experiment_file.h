#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "lesson/experiment.h"

namespace quirlweg {

// Files are read whole; anything larger is refused before it is read.
inline constexpr std::size_t kLargestExperimentFile = 16 * 1024 * 1024;
// The file name's extension, without the dot.
inline constexpr char kExperimentSuffix[] = "quirlweg";
inline constexpr int kExperimentVersion = 1;
inline constexpr std::size_t kLongestDescription = 4000;  // characters
inline constexpr std::size_t kMostDescriptionLines = 100;

// What is wrong with a file, as an id with the details a message needs.
enum class ExperimentProblem {
  NotUtf8,
  Empty,
  TooDeep,
  NotJson,          // at `line`, `column`
  NotAnExperiment,  // no object of the format
  UnknownVersion,   // `value`
  Missing,          // `field`
  NotANumber,
  NotWhole,
  OutOfRange,  // `low`, `high`, `value`
  NotAFlag,
  NotAText,
  NotAnObject,
  NotAList,
  NotWholePercent,
  StartNotAPair,
  UnknownMode,
  NotATempoStep,
  TooLong,          // `limit` characters
  TooManyLines,     // `limit`
  TooManyJourneys,  // `limit`
  JourneyNotFour,
  UnknownRow,
  TooManySteps,     // `limit`
  TooManyDevices,   // `limit`
  TooManyPooled,    // `limit`
  NotAPair,         // two whole numbers expected
  SeedTwice,        // two devices of a class on one seed
  PoolOrderUneven,  // the order gives device `value` other journeys than its count
};

struct ExperimentRefusal {
  ExperimentProblem problem = ExperimentProblem::NotJson;
  std::string field;  // "setting.radius", "series[3][1]"
  double low = 0;
  double high = 0;
  double value = 0;
  std::size_t limit = 0;
  std::size_t line = 0;    // from 1
  std::size_t column = 0;  // characters, from 1
};

// An experiment read, or why not.
struct ExperimentParse {
  std::optional<Experiment> experiment;
  ExperimentRefusal refusal;
};

// The experiment as the file holds it: JSON in UTF-8.
std::string ExperimentJson(const Experiment& experiment);

// Every field is checked for its type and range; the first one amiss refuses the whole file.
ExperimentParse ParseExperiment(std::string_view bytes);

}  // namespace quirlweg
