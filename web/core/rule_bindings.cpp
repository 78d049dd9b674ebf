// The rules the page shares with the desktop program, for JavaScript: the layout's design
// screen and units, the tempo scale with its pacing and wording, the controls a paced run
// disables, the evaluation's rows and their value texts. The page words and draws; every
// number and list comes from here.

#include <emscripten/bind.h>
#include <emscripten/val.h>

#include <array>
#include <chrono>
#include <string>

#include "layout/layout.h"
#include "layout/twips.h"
#include "layout/walk_changers.h"
#include "lesson/step_pacing.h"
#include "lesson/tempo_scale.h"
#include "series/series_summary.h"
#include "series/value_forms.h"
#include "web_walk.h"

namespace quirlweg::web {
namespace {

using emscripten::val;

// The rows' ids for the page, in the table's order.
constexpr std::array<const char*, kSeriesRowCount> kRowKeys{
    "home", "boundary", "top", "right", "bottom", "left", "zFace", "meanLength"};
static_assert(kRowKeys.back() != nullptr, "every row has its id");

template <class Range, class Convert>
val ArrayOf(const Range& range, Convert convert) {
  val out = val::array();
  for (const auto& item : range) out.call<void>("push", convert(item));
  return out;
}

// The page's clock reads milliseconds (performance.now()).
StepPacing::Time PageTime(double milliseconds) {
  return std::chrono::duration<double, std::milli>(milliseconds);
}

void StartPacing(StepPacing& p, int stepsPerSecond, double now) {
  p.Start(stepsPerSecond, PageTime(now));
}
void SetPacingTempo(StepPacing& p, int stepsPerSecond, double now) {
  p.SetTempo(stepsPerSecond, PageTime(now));
}
double TakeDueSteps(StepPacing& p, double now) {
  return static_cast<double>(p.TakeDue(PageTime(now)));
}

val WindowExtentOf(double screenWidthTwips, double screenHeightTwips) {
  const Extent extent = WindowExtent(ArrangeControls(screenWidthTwips, screenHeightTwips));
  val out = val::object();
  out.set("width", extent.width);
  out.set("height", extent.height);
  return out;
}

std::string ProbabilityTextAtStart(const std::string& separator) {
  return ProbabilityAtStart(separator.empty() ? '.' : separator.front());
}

val SettingRanges() {
  val out = val::object();
  out.set("smallestRadius", kSmallestRadius);
  out.set("largestRadius", kLargestRadius);
  out.set("mostPercent", kMostPercent);
  return out;
}

val TempoSteps() {
  return ArrayOf(kTempoSteps, [](int steps) { return steps; });
}

std::string TempoWordingOf(int stepsPerSecond) {
  switch (WordingOf(stepsPerSecond)) {
    case TempoWording::Fastest:
      return "fastest";
    case TempoWording::OneStep:
      return "oneStep";
    case TempoWording::Steps:
      break;
  }
  return "steps";
}

val WalkChangers() {
  return ArrayOf(kWalkChangers, [](std::string_view name) { return std::string(name); });
}

val SeriesRows() {
  val out = val::array();
  for (int r = 0; r < kSeriesRowCount; ++r) {
    val row = val::object();
    row.set("key", std::string(kRowKeys[static_cast<std::size_t>(r)]));
    row.set("share", IsShare(static_cast<SeriesRow>(r)));
    out.call<void>("push", row);
  }
  return out;
}

val SideRows() {
  return ArrayOf(kSideRows, [](SeriesRow row) { return static_cast<int>(row); });
}

val ExactInBoxes() {
  return ArrayOf(kExactInBoxes, [](const BoxRow& box) {
    val out = val::object();
    out.set("control", std::string(box.control));
    out.set("row", static_cast<int>(box.row));
    return out;
  });
}

val ExactRowValues(const WebWalk& w) {
  return ArrayOf(w.ExactRows(),
                 [](const std::optional<double>& v) { return v ? val(*v) : val::null(); });
}

// `row` as the table's index; a row out of range reads as the mean length's.
std::string RowValueText(int row, double value, const std::string& separator) {
  const auto shown =
      row >= 0 && row < kSeriesRowCount ? static_cast<SeriesRow>(row) : SeriesRow::MeanLength;
  return RowValueForm(shown, value, separator);
}

}  // namespace

EMSCRIPTEN_BINDINGS(quirlweg_rules) {
  emscripten::constant("designScreenWidth", kRefScreenWidth);
  emscripten::constant("designScreenHeight", kRefScreenHeight);
  emscripten::constant("twipsPerInch", kTwipsPerInch);
  emscripten::function("windowExtent", &WindowExtentOf);
  emscripten::function("probabilityAtStart", &ProbabilityTextAtStart);
  emscripten::function("settingRanges", &SettingRanges);

  emscripten::function("tempoSteps", &TempoSteps);
  emscripten::constant("fastestTempo", kFastestTempo);
  emscripten::function("tempoWording", &TempoWordingOf);
  emscripten::class_<StepPacing>("StepPacing")
      .constructor<>()
      .function("start", &StartPacing)
      .function("setTempo", &SetPacingTempo)
      .function("takeDue", &TakeDueSteps);
  emscripten::function("walkChangers", &WalkChangers);

  emscripten::constant("evaluationRefreshMilliseconds",
                       static_cast<int>(kEvaluationRefreshInterval.count()));
  emscripten::function(
      "markedSign", +[] { return std::string(kMarkedSign); });
  emscripten::function("seriesRows", &SeriesRows);
  emscripten::function("sideRows", &SideRows);
  emscripten::function("exactInBoxes", &ExactInBoxes);
  emscripten::function("exactRowValues", &ExactRowValues);
  emscripten::function("rowValueText", &RowValueText);
}

}  // namespace quirlweg::web
