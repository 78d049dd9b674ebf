// What keeps a series for JavaScript: its seed, the series as an experiment file's JSON for the
// browser's storage, and an experiment read back by the same checks as the desktop's, so that
// the page can put it in place and walk its journeys again; and the series as the desktop's
// CSV.

#include <emscripten/bind.h>
#include <emscripten/val.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <string>

#include "lesson/experiment.h"
#include "lesson/experiment_file.h"
#include "lesson/series_seed.h"
#include "series/series_csv.h"
#include "series/series_summary.h"
#include "typed_arrays.h"
#include "web_walk.h"

namespace quirlweg::web {
namespace {

using emscripten::val;

// The problems' ids for the page, in the order of ExperimentProblem.
constexpr std::array<const char*, 29> kProblemIds{
    "notUtf8",         "empty",          "tooDeep",       "notJson",        "notAnExperiment",
    "unknownVersion",  "missing",        "notANumber",    "notWhole",       "outOfRange",
    "notAFlag",        "notAText",       "notAnObject",   "notAList",       "notWholePercent",
    "startNotAPair",   "unknownMode",    "notATempoStep", "tooLong",        "tooManyLines",
    "tooManyJourneys", "journeyNotFour", "unknownRow",    "tooManySteps",   "tooManyDevices",
    "tooManyPooled",   "notAPair",       "seedTwice",     "poolOrderUneven"};
static_assert(static_cast<std::size_t>(ExperimentProblem::PoolOrderUneven) + 1 ==
              kProblemIds.size());

double Seed(const WebWalk& w) {
  return static_cast<double>(w.Seed());
}

// JavaScript numbers are doubles: a seed comes as a whole number below 2^53.
void UseSeed(WebWalk& w, double seed) {
  w.UseSeed(static_cast<std::uint64_t>(std::fabs(seed)));
}

void WalkJourneys(WebWalk& w, double journeys) {
  if (journeys > 0) w.WalkJourneys(static_cast<std::int64_t>(std::min(journeys, 1e7)));
}

void MoveStartPointTo(WebWalk& w, int x, int y) {
  w.walk().MoveStartPointTo(x, y);
}

// The series as an experiment file, or an empty text where it cannot be walked again.
std::string SeriesJson(const WebWalk& w) {
  const auto experiment = w.SeriesExperiment();
  return experiment ? ExperimentJson(*experiment) : std::string();
}

double SeriesLength(const WebWalk& w) {
  return static_cast<double>(w.displays().Series().size());
}

// The current setting and seed as an experiment file without a series, for a link.
std::string SetupJson(WebWalk& w) {
  Experiment e;
  e.setting = w.walk().CurrentJourneySetting();
  e.seed = w.Seed();
  return ExperimentJson(e);
}

// A setting as the page's controls take it, the start point as the walk stores it.
val SettingOf(const JourneySetting& s) {
  val setting = val::object();
  setting.set("dimension", s.dimension);
  setting.set("radius", s.radius);
  setting.set("rightPercent", static_cast<int>(std::lround(s.rightProbability * 100)));
  setting.set("homeAbsorbs", s.homeAbsorbs);
  setting.set("startX", s.startX);
  setting.set("startY", s.startY);
  return setting;
}

// The lesson's steps kept by the walk, so that saving keeps them with the class's answers.
void KeepSteps(WebWalk& w, const std::string& text) {
  const ExperimentParse parse = ParseExperiment(text);
  w.SetSteps(parse.experiment ? parse.experiment->steps : std::vector<LessonStep>{});
}

// An answer longer than a file may hold is not taken: the saved lesson would not open again.
bool SetAnswer(WebWalk& w, int step, const std::string& answer) {
  auto& steps = w.Steps();
  const auto characters =
      std::count_if(answer.begin(), answer.end(), [](char c) { return (c & 0xC0) != 0x80; });
  if (step < 0 || static_cast<std::size_t>(step) >= steps.size() ||
      static_cast<std::size_t>(characters) > kLongestAnswer) {
    return false;
  }
  steps[static_cast<std::size_t>(step)].answer = answer;
  return true;
}

// {setting, seed, mode, tempo, protocolShown, heatTraces, journeys, descriptions, predictFirst,
// steps, guessRow, guessValue} with the start point as the walk stores it (y downward), or
// {problem, field} for a text that is no experiment.
val ReadExperiment(const std::string& text) {
  const ExperimentParse parse = ParseExperiment(text);
  val out = val::object();
  if (!parse.experiment) {
    const ExperimentRefusal& r = parse.refusal;
    out.set("problem", std::string(kProblemIds.at(static_cast<std::size_t>(r.problem))));
    out.set("field", r.field);
    out.set("low", r.low);
    out.set("high", r.high);
    out.set("value", r.value);
    out.set("limit", static_cast<double>(r.limit));
    out.set("line", static_cast<double>(r.line));
    out.set("column", static_cast<double>(r.column));
    return out;
  }
  const Experiment& e = *parse.experiment;
  out.set("setting", SettingOf(e.setting));
  out.set("seed", static_cast<double>(e.seed));
  out.set("mode", static_cast<int>(e.mode));
  out.set("tempo", e.tempo);
  out.set("protocolShown", e.protocolShown);
  out.set("heatTraces", e.heatTraces);
  out.set("journeys", static_cast<double>(e.series.size()));
  out.set("descriptionGerman", e.descriptionGerman);
  out.set("descriptionEnglish", e.descriptionEnglish);
  out.set("predictFirst", e.predictFirst);
  val steps = val::array();
  for (const LessonStep& step : e.steps) {
    val out = val::object();
    out.set("textGerman", step.textGerman);
    out.set("textEnglish", step.textEnglish);
    out.set("questionGerman", step.questionGerman);
    out.set("questionEnglish", step.questionEnglish);
    out.set("answer", step.answer);
    out.set("setting", step.setting ? SettingOf(*step.setting) : val::null());
    steps.call<void>("push", out);
  }
  out.set("steps", steps);
  out.set("guessRow", e.guess ? val(static_cast<int>(e.guess->row)) : val::null());
  out.set("guessValue", e.guess ? val(e.guess->value) : val::null());
  return out;
}

// What the page saves as a file, as the desktop saves its window: the current setting and
// seed, the run and display choices, the lesson's texts and the class's prediction, and the
// series where all of it ran under that setting.
std::string ExperimentJsonOf(WebWalk& w, int tempo, bool protocolShown, bool heatTraces,
                             const std::string& descriptionGerman,
                             const std::string& descriptionEnglish) {
  Experiment e;
  e.setting = w.walk().CurrentJourneySetting();
  e.mode = w.settings().Mode();
  e.tempo = tempo;
  e.protocolShown = protocolShown;
  e.heatTraces = heatTraces;
  e.seed = w.Seed();
  e.descriptionGerman = descriptionGerman;
  e.descriptionEnglish = descriptionEnglish;
  e.predictFirst = w.PredictFirst();
  e.steps = w.Steps();
  e.guess = w.Guess();
  if (const auto series = w.SeriesExperiment(); series && series->setting == e.setting) {
    e.series = series->series;
  }
  return ExperimentJson(e);
}

// The page's names of the CSV's words, in the order of CsvWord.
constexpr std::array<const char*, kCsvWordCount> kCsvWordIds{"title",
                                                             "date",
                                                             "dimension",
                                                             "radius",
                                                             "rightProbability",
                                                             "startX",
                                                             "startY",
                                                             "homeAbsorbs",
                                                             "seed",
                                                             "mixesSettings",
                                                             "exactHome",
                                                             "exactTop",
                                                             "exactRight",
                                                             "exactBottom",
                                                             "exactLeft",
                                                             "exactZFaces",
                                                             "exactMean",
                                                             "exactSd",
                                                             "exactMissing",
                                                             "yes",
                                                             "no",
                                                             "endHome",
                                                             "endTop",
                                                             "endRight",
                                                             "endBottom",
                                                             "endLeft",
                                                             "endZFace",
                                                             "number",
                                                             "length",
                                                             "x",
                                                             "y",
                                                             "z",
                                                             "end",
                                                             "numberInProtocol"};

// The series as the desktop's "Daten speichern …" writes it: `words` by the names above in the
// page's language, `when` the date and time as the desktop words them, the current setting's
// exact values where they are known, hidden from the class or not. Bytes, so that the byte
// order mark the spreadsheets need stays.
val SeriesCsvOf(const WebWalk& w, const val& words, const std::string& when,
                const std::string& separator) {
  CsvWords texts;
  for (std::size_t i = 0; i < kCsvWordCount; ++i) {
    texts[i] = words[kCsvWordIds[i]].as<std::string>();
  }
  const JourneySeries& series = w.displays().Series();
  const theory::Setting setting = w.ExactSetting();
  const SeriesHeader header{when, setting, w.CurrentExact(),
                            Summarize(series, setting, nullptr).mixesSettings, w.Seed()};
  return BytesOf(SeriesCsv(series, header, texts, separator));
}

}  // namespace

EMSCRIPTEN_BINDINGS(quirlweg_series) {
  emscripten::function("seed", &Seed);
  emscripten::function(
      "seedFromClock", +[] { return static_cast<double>(SeedFromClock()); });
  emscripten::function("useSeed", &UseSeed);
  emscripten::function("walkJourneys", &WalkJourneys);
  emscripten::function("moveStartPointTo", &MoveStartPointTo);
  emscripten::function("seriesJson", &SeriesJson);
  emscripten::function("seriesLength", &SeriesLength);
  emscripten::function("setupJson", &SetupJson);
  emscripten::function("readExperiment", &ReadExperiment);
  emscripten::function("experimentJson", &ExperimentJsonOf);
  emscripten::function("keepSteps", &KeepSteps);
  emscripten::function("setAnswer", &SetAnswer);
  emscripten::function("seriesCsv", &SeriesCsvOf);
  emscripten::constant("largestSeed", static_cast<double>(kLargestSeed));
  emscripten::constant("experimentVersion", kExperimentVersion);
  emscripten::constant("largestExperimentFile", static_cast<double>(kLargestExperimentFile));
}

}  // namespace quirlweg::web
