#include "lesson/experiment_file.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <nlohmann/json.hpp>
#include <set>
#include <string>
#include <utility>

#include "lesson/tempo_scale.h"

namespace quirlweg {
namespace {

// Keys stay in the order they are written, so that a teacher reading the file finds the
// setting first.
using Json = nlohmann::ordered_json;

constexpr char kFormat[] = "quirlweg-experiment";
// Far deeper than any experiment; a file nested deeper is refused before it costs memory.
constexpr int kDeepestNesting = 64;

constexpr std::array<std::pair<RunMode, const char*>, 3> kModeNames{{
    {RunMode::Step, "step"},
    {RunMode::Journey, "journey"},
    {RunMode::TwentyJourneys, "twentyJourneys"},
}};

// Thrown inside the parser only: the first field amiss ends the reading.
struct Refused {
  ExperimentRefusal refusal;
};

[[noreturn]] void Refuse(ExperimentProblem problem, std::string field = {}) {
  ExperimentRefusal refusal;
  refusal.problem = problem;
  refusal.field = std::move(field);
  throw Refused{std::move(refusal)};
}

[[noreturn]] void RefuseLimit(ExperimentProblem problem, std::string field, std::size_t limit) {
  ExperimentRefusal refusal;
  refusal.problem = problem;
  refusal.field = std::move(field);
  refusal.limit = limit;
  throw Refused{std::move(refusal)};
}

[[noreturn]] void OutOfRange(std::string field, double low, double high, double value) {
  ExperimentRefusal refusal;
  refusal.problem = ExperimentProblem::OutOfRange;
  refusal.field = std::move(field);
  refusal.low = low;
  refusal.high = high;
  refusal.value = value;
  throw Refused{std::move(refusal)};
}

// Whole numbers may arrive written as 12 or 12.0; 1.5 or 1e300 are refused, not cut.
std::int64_t IntegerOf(const Json& value, const std::string& name, std::int64_t low,
                       std::int64_t high) {
  if (!value.is_number()) Refuse(ExperimentProblem::NotWhole, name);
  const double number = value.get<double>();
  if (std::floor(number) != number) Refuse(ExperimentProblem::NotWhole, name);
  if (number < static_cast<double>(low) || number > static_cast<double>(high)) {
    OutOfRange(name, static_cast<double>(low), static_cast<double>(high), number);
  }
  return static_cast<std::int64_t>(number);
}

// Characters, not bytes: a UTF-8 sequence counts once.
std::size_t CharactersIn(std::string_view text) {
  return static_cast<std::size_t>(
      std::count_if(text.begin(), text.end(), [](char c) { return (c & 0xC0) != 0x80; }));
}

// One object of the file, read field by field; `path` names it in refusals ("setting.radius").
class Fields {
 public:
  Fields(const Json& object, std::string path) : object_(object), path_(std::move(path)) {}

  bool Has(const char* key) const { return object_.contains(key); }

  const Json& Required(const char* key) const {
    const auto found = object_.find(key);
    if (found == object_.end()) Refuse(ExperimentProblem::Missing, Name(key));
    return *found;
  }

  std::int64_t Integer(const char* key, std::int64_t low, std::int64_t high) const {
    return IntegerOf(Required(key), Name(key), low, high);
  }

  double Number(const char* key, double low, double high) const {
    const Json& value = Required(key);
    if (!value.is_number()) Refuse(ExperimentProblem::NotANumber, Name(key));
    const double number = value.get<double>();
    if (!(number >= low && number <= high)) OutOfRange(Name(key), low, high, number);
    return number;
  }

  bool Flag(const char* key) const {
    const Json& value = Required(key);
    if (!value.is_boolean()) Refuse(ExperimentProblem::NotAFlag, Name(key));
    return value.get<bool>();
  }

  std::string Text(const char* key) const {
    const Json& value = Required(key);
    if (!value.is_string()) Refuse(ExperimentProblem::NotAText, Name(key));
    return value.get<std::string>();
  }

  Fields Object(const char* key) const {
    const Json& value = Required(key);
    if (!value.is_object()) Refuse(ExperimentProblem::NotAnObject, Name(key));
    return {value, Name(key)};
  }

  const Json& Array(const char* key) const {
    const Json& value = Required(key);
    if (!value.is_array()) Refuse(ExperimentProblem::NotAList, Name(key));
    return value;
  }

  std::string Name(const char* key) const { return path_.empty() ? key : path_ + "." + key; }

 private:
  const Json& object_;
  std::string path_;
};

void ReadSetting(const Fields& fields, JourneySetting& s) {
  s.dimension = static_cast<int>(fields.Integer("dimension", 1, 3));
  s.radius = static_cast<int>(fields.Integer("radius", kSmallestRadius, kLargestRadius));
  const double p = fields.Number("rightProbability", 0, 1);
  const long percent = std::lround(p * 100);
  // The scroll bar goes in whole per cent; a finer value would silently change.
  if (std::abs(p * 100 - static_cast<double>(percent)) > 1e-6) {
    Refuse(ExperimentProblem::NotWholePercent, fields.Name("rightProbability"));
  }
  s.rightProbability = static_cast<double>(percent) / 100.0;
  const Json& start = fields.Array("start");
  const std::string startName = fields.Name("start");
  if (start.size() != 2) Refuse(ExperimentProblem::StartNotAPair, startName);
  // Inside the boundary: a start on it would end every journey before its first step.
  const int inside = s.radius - 1;
  s.startX = static_cast<int>(IntegerOf(start[0], startName + "[0]", -inside, inside));
  // y counts upward in the file, as the protocol shows it, and downward in the walk.
  s.startY = -static_cast<int>(IntegerOf(start[1], startName + "[1]", -inside, inside));
  s.homeAbsorbs = fields.Flag("homeAbsorbs");
}

void ReadRun(const Fields& run, Experiment& e) {
  const std::string mode = run.Text("mode");
  const auto named = std::find_if(kModeNames.begin(), kModeNames.end(),
                                  [&](const auto& entry) { return mode == entry.second; });
  if (named == kModeNames.end()) Refuse(ExperimentProblem::UnknownMode, run.Name("mode"));
  e.mode = named->first;
  e.tempo = static_cast<int>(run.Integer("tempo", 0, 1000));
  if (std::find(kTempoSteps.begin(), kTempoSteps.end(), e.tempo) == kTempoSteps.end()) {
    Refuse(ExperimentProblem::NotATempoStep, run.Name("tempo"));
  }
}

// A text in German and English ({"de": …, "en": …}, either may be missing), each within the
// description's limits.
void ReadTexts(const Fields& texts, std::string& german, std::string& english) {
  for (auto [key, text] : {std::pair{"de", &german}, {"en", &english}}) {
    if (!texts.Has(key)) continue;
    *text = texts.Text(key);
    if (CharactersIn(*text) > kLongestDescription) {
      RefuseLimit(ExperimentProblem::TooLong, texts.Name(key), kLongestDescription);
    }
    if (static_cast<std::size_t>(std::count(text->begin(), text->end(), '\n')) >=
        kMostDescriptionLines) {
      RefuseLimit(ExperimentProblem::TooManyLines, texts.Name(key), kMostDescriptionLines);
    }
  }
}

void ReadSteps(const Json& steps, Experiment& e) {
  if (steps.size() > kMostLessonSteps) {
    RefuseLimit(ExperimentProblem::TooManySteps, "steps", kMostLessonSteps);
  }
  for (std::size_t i = 0; i < steps.size(); ++i) {
    const std::string name = "steps[" + std::to_string(i) + "]";
    if (!steps[i].is_object()) Refuse(ExperimentProblem::NotAnObject, name);
    const Fields step(steps[i], name);
    LessonStep read;
    ReadTexts(step.Object("text"), read.textGerman, read.textEnglish);
    if (step.Has("setting")) {
      JourneySetting setting;
      ReadSetting(step.Object("setting"), setting);
      read.setting = setting;
    }
    if (step.Has("question"))
      ReadTexts(step.Object("question"), read.questionGerman, read.questionEnglish);
    if (step.Has("answer")) {
      read.answer = step.Text("answer");
      if (CharactersIn(read.answer) > kLongestAnswer) {
        RefuseLimit(ExperimentProblem::TooLong, step.Name("answer"), kLongestAnswer);
      }
    }
    e.steps.push_back(std::move(read));
  }
}

void ReadSeries(const Json& journeys, Experiment& e) {
  if (journeys.size() > kMostSavedJourneys) {
    RefuseLimit(ExperimentProblem::TooManyJourneys, "series", kMostSavedJourneys);
  }
  const int r = e.setting.radius;
  for (std::size_t i = 0; i < journeys.size(); ++i) {
    const std::string name = "series[" + std::to_string(i) + "]";
    const Json& j = journeys[i];
    if (!j.is_array() || j.size() != 4) Refuse(ExperimentProblem::JourneyNotFour, name);
    e.series.push_back({IntegerOf(j[0], name + "[0]", 1, std::int64_t{1} << 53),
                        static_cast<int>(IntegerOf(j[1], name + "[1]", -r, r)),
                        static_cast<int>(IntegerOf(j[2], name + "[2]", -r, r)),
                        static_cast<int>(IntegerOf(j[3], name + "[3]", -r, r))});
  }
}

// Two whole numbers [a, b] within their ranges.
std::pair<std::int64_t, std::int64_t> PairOf(const Json& pair, const std::string& name,
                                             std::int64_t highFirst, std::int64_t highSecond) {
  if (!pair.is_array() || pair.size() != 2) Refuse(ExperimentProblem::NotAPair, name);
  return {IntegerOf(pair[0], name + "[0]", 0, highFirst),
          IntegerOf(pair[1], name + "[1]", 0, highSecond)};
}

// Each device's count must be what the order pools of it, so that walking the pool again
// takes every journey once; two devices on one seed would pool the same journeys twice.
void ReadClassPool(const Fields& pool, Experiment& e) {
  const Json& devices = pool.Array("devices");
  if (devices.size() > kMostClassDevices) {
    RefuseLimit(ExperimentProblem::TooManyDevices, pool.Name("devices"), kMostClassDevices);
  }
  ClassPool read;
  std::set<std::uint64_t> seeds;
  std::int64_t total = 0;
  for (std::size_t i = 0; i < devices.size(); ++i) {
    const std::string name = pool.Name("devices") + "[" + std::to_string(i) + "]";
    const auto [seed, journeys] = PairOf(devices[i], name, static_cast<std::int64_t>(kLargestSeed),
                                         static_cast<std::int64_t>(kMostSavedJourneys));
    if (!seeds.insert(static_cast<std::uint64_t>(seed)).second) {
      Refuse(ExperimentProblem::SeedTwice, name);
    }
    total += journeys;
    read.devices.push_back({static_cast<std::uint64_t>(seed), journeys});
  }
  if (total > kMostPooledJourneys) {
    RefuseLimit(ExperimentProblem::TooManyPooled, pool.Name("devices"),
                static_cast<std::size_t>(kMostPooledJourneys));
  }
  const Json& order = pool.Array("order");
  std::vector<std::int64_t> left(read.devices.size());
  for (std::size_t d = 0; d < left.size(); ++d) left[d] = read.devices[d].journeys;
  for (std::size_t i = 0; i < order.size(); ++i) {
    const std::string name = pool.Name("order") + "[" + std::to_string(i) + "]";
    const auto [device, journeys] = PairOf(order[i], name, static_cast<std::int64_t>(left.size()),
                                           static_cast<std::int64_t>(kMostSavedJourneys));
    if (device < 1) OutOfRange(name + "[0]", 1, static_cast<double>(left.size()), 0);
    std::int64_t& remaining = left[static_cast<std::size_t>(device - 1)];
    if (journeys < 1 || journeys > remaining) {
      ExperimentRefusal refusal;
      refusal.problem = ExperimentProblem::PoolOrderUneven;
      refusal.field = name;
      refusal.value = static_cast<double>(device);
      throw Refused{refusal};
    }
    remaining -= journeys;
    read.order.push_back({static_cast<int>(device), journeys});
  }
  for (std::size_t d = 0; d < left.size(); ++d) {
    if (left[d] == 0) continue;
    ExperimentRefusal refusal;
    refusal.problem = ExperimentProblem::PoolOrderUneven;
    refusal.field = pool.Name("order");
    refusal.value = static_cast<double>(d + 1);
    throw Refused{refusal};
  }
  e.classPool = std::move(read);
}

void ReadPrediction(const Fields& prediction, Experiment& e) {
  e.predictFirst = prediction.Flag("first");
  if (!prediction.Has("guess")) return;
  const Fields guess = prediction.Object("guess");
  const auto row = RowOfKey(guess.Text("row"));
  if (!row) Refuse(ExperimentProblem::UnknownRow, guess.Name("row"));
  e.guess = ClassGuess{*row, guess.Number("value", 0, IsShare(*row) ? 1 : kLongestGuessedMean)};
}

Experiment ReadExperiment(const Json& root) {
  const Fields file(root, std::string());
  if (!root.contains("format") || root["format"] != kFormat) {
    Refuse(ExperimentProblem::NotAnExperiment);
  }
  const auto version = file.Integer("version", 0, std::int64_t{1} << 53);
  if (version != kExperimentVersion) {
    ExperimentRefusal refusal;
    refusal.problem = ExperimentProblem::UnknownVersion;
    refusal.value = static_cast<double>(version);
    throw Refused{refusal};
  }
  Experiment e;
  ReadSetting(file.Object("setting"), e.setting);
  e.seed = static_cast<std::uint64_t>(file.Integer("seed", 0, kLargestSeed));
  if (file.Has("run")) ReadRun(file.Object("run"), e);
  if (file.Has("display")) {
    const Fields display = file.Object("display");
    e.protocolShown = display.Flag("protocol");
    e.heatTraces = display.Flag("heatTraces");
  }
  if (file.Has("description")) {
    ReadTexts(file.Object("description"), e.descriptionGerman, e.descriptionEnglish);
  }
  if (file.Has("steps")) ReadSteps(file.Array("steps"), e);
  if (file.Has("prediction")) ReadPrediction(file.Object("prediction"), e);
  if (file.Has("series")) ReadSeries(file.Array("series"), e);
  if (file.Has("class")) ReadClassPool(file.Object("class"), e);
  return e;
}

// Well-formed UTF-8: no stray continuation bytes, overlong forms, surrogates or values past
// U+10FFFF.
bool IsUtf8(std::string_view text) {
  const auto* bytes = reinterpret_cast<const unsigned char*>(text.data());
  const std::size_t size = text.size();
  for (std::size_t i = 0; i < size;) {
    const unsigned char lead = bytes[i];
    std::size_t length = 0;
    char32_t smallest = 0;
    char32_t code = 0;
    if (lead < 0x80) {
      ++i;
      continue;
    } else if ((lead & 0xE0) == 0xC0) {
      length = 2, smallest = 0x80, code = lead & 0x1F;
    } else if ((lead & 0xF0) == 0xE0) {
      length = 3, smallest = 0x800, code = lead & 0x0F;
    } else if ((lead & 0xF8) == 0xF0) {
      length = 4, smallest = 0x10000, code = lead & 0x07;
    } else {
      return false;
    }
    if (i + length > size) return false;
    for (std::size_t k = 1; k < length; ++k) {
      if ((bytes[i + k] & 0xC0) != 0x80) return false;
      code = (code << 6) | (bytes[i + k] & 0x3F);
    }
    if (code < smallest || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) return false;
    i += length;
  }
  return true;
}

// Where the parser stopped, as a reader counts: line and character from 1.
ExperimentRefusal NotJsonAt(std::string_view bytes, std::size_t byte) {
  const std::string_view before = bytes.substr(0, std::min(byte > 0 ? byte - 1 : 0, bytes.size()));
  const std::size_t lineStart =
      before.rfind('\n') == std::string_view::npos ? 0 : before.rfind('\n') + 1;
  ExperimentRefusal refusal;
  refusal.problem = ExperimentProblem::NotJson;
  refusal.line = static_cast<std::size_t>(std::count(before.begin(), before.end(), '\n')) + 1;
  refusal.column = CharactersIn(before.substr(lineStart)) + 1;
  return refusal;
}

ExperimentParse Refusal(ExperimentProblem problem) {
  ExperimentParse parse;
  parse.refusal.problem = problem;
  return parse;
}

Json SettingJson(const JourneySetting& s) {
  return {{"dimension", s.dimension},
          {"radius", s.radius},
          {"rightProbability", std::round(s.rightProbability * 100) / 100},
          {"start", {s.startX, -s.startY}},
          {"homeAbsorbs", s.homeAbsorbs}};
}

Json StepsJson(const std::vector<LessonStep>& steps) {
  Json list = Json::array();
  for (const LessonStep& step : steps) {
    Json out;
    out["text"] = {{"de", step.textGerman}, {"en", step.textEnglish}};
    if (step.setting) out["setting"] = SettingJson(*step.setting);
    if (!step.questionGerman.empty() || !step.questionEnglish.empty()) {
      out["question"] = {{"de", step.questionGerman}, {"en", step.questionEnglish}};
    }
    if (!step.answer.empty()) out["answer"] = step.answer;
    list.push_back(std::move(out));
  }
  return list;
}

// Pairs a line, as the series' journeys: a class's pool stays a file a person can read.
template <typename Pair, typename Write>
std::string PairLines(const std::vector<Pair>& pairs, Write write) {
  std::string text = "[";
  const char* separator = "\n            ";
  for (const Pair& pair : pairs) {
    text += separator;
    text += write(pair);
    separator = ",\n            ";
  }
  return text + "\n        ]";
}

std::string ClassPoolText(const ClassPool& pool) {
  const auto pair = [](auto a, auto b) {
    return '[' + std::to_string(a) + ',' + std::to_string(b) + ']';
  };
  return ",\n    \"class\": {\n        \"devices\": " +
         PairLines(pool.devices,
                   [&](const ClassPool::Device& d) { return pair(d.seed, d.journeys); }) +
         ",\n        \"order\": " +
         PairLines(pool.order,
                   [&](const ClassPool::Run& run) { return pair(run.device, run.journeys); }) +
         "\n    }";
}

}  // namespace

std::string ExperimentJson(const Experiment& e) {
  const auto mode = std::find_if(kModeNames.begin(), kModeNames.end(),
                                 [&](const auto& entry) { return entry.first == e.mode; });
  const JourneySetting& s = e.setting;
  Json root;
  root["format"] = kFormat;
  root["version"] = kExperimentVersion;
  root["setting"] = SettingJson(s);
  root["run"] = {{"mode", mode->second}, {"tempo", e.tempo}};
  root["display"] = {{"protocol", e.protocolShown}, {"heatTraces", e.heatTraces}};
  root["seed"] = e.seed;
  if (!e.descriptionGerman.empty() || !e.descriptionEnglish.empty()) {
    root["description"] = {{"de", e.descriptionGerman}, {"en", e.descriptionEnglish}};
  }
  if (!e.steps.empty()) root["steps"] = StepsJson(e.steps);
  if (e.predictFirst || e.guess) {
    root["prediction"] = {{"first", e.predictFirst}};
    if (e.guess) {
      root["prediction"]["guess"] = {{"row", RowKey(e.guess->row)}, {"value", e.guess->value}};
    }
  }
  std::string text = root.dump(4, ' ', false, Json::error_handler_t::replace);
  text.resize(text.size() - 2);  // the closing brace and the line before it
  if (!e.series.empty() && e.series.size() <= kMostSavedJourneys) {
    // A journey a line: a long series stays a few megabytes and a file a person can read.
    text += ",\n    \"series\": [";
    const char* separator = "\n        ";
    for (const SavedJourney& j : e.series) {
      text += separator;
      text += '[' + std::to_string(j.length) + ',' + std::to_string(j.x) + ',' +
              std::to_string(j.y) + ',' + std::to_string(j.z) + ']';
      separator = ",\n        ";
    }
    text += "\n    ]";
  }
  if (e.classPool) text += ClassPoolText(*e.classPool);
  text += "\n}";
  return text + "\n";
}

ExperimentParse ParseExperiment(std::string_view file) {
  // Editors on some systems begin UTF-8 with a byte order mark, which JSON does not allow.
  const std::string_view bytes = file.substr(file.starts_with("\xEF\xBB\xBF") ? 3 : 0);
  if (!IsUtf8(bytes)) return Refusal(ExperimentProblem::NotUtf8);
  if (bytes.find_first_not_of(" \t\r\n") == std::string_view::npos) {
    return Refusal(ExperimentProblem::Empty);
  }
  Json root;
  try {
    root = Json::parse(bytes, [](int depth, Json::parse_event_t, Json&) {
      if (depth > kDeepestNesting) Refuse(ExperimentProblem::TooDeep);
      return true;
    });
  } catch (const Refused& refused) {
    return {std::nullopt, refused.refusal};
  } catch (const Json::parse_error& error) {
    return {std::nullopt, NotJsonAt(bytes, error.byte)};
  }
  if (!root.is_object()) return Refusal(ExperimentProblem::NotAnExperiment);
  try {
    return {ReadExperiment(root), {}};
  } catch (const Refused& refused) {
    return {std::nullopt, refused.refusal};
  }
}

}  // namespace quirlweg
