// The rules the page shares with the desktop program, for JavaScript: the layout's design
// screen and units, the tempo scale with its pacing and wording, the controls a paced run
// disables. The page words and draws; every number and list comes from here.

#include <emscripten/bind.h>
#include <emscripten/val.h>

#include <chrono>
#include <string>
#include <string_view>

#include "layout/layout.h"
#include "layout/twips.h"
#include "layout/walk_changers.h"
#include "lesson/step_pacing.h"
#include "lesson/tempo_scale.h"

namespace quirlweg::web {
namespace {

using emscripten::val;

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

}  // namespace

EMSCRIPTEN_BINDINGS(quirlweg_rules) {
  emscripten::constant("designScreenWidth", kRefScreenWidth);
  emscripten::constant("designScreenHeight", kRefScreenHeight);
  emscripten::constant("twipsPerInch", kTwipsPerInch);
  emscripten::function("windowExtent", &WindowExtentOf);

  emscripten::function("tempoSteps", &TempoSteps);
  emscripten::constant("fastestTempo", kFastestTempo);
  emscripten::function("tempoWording", &TempoWordingOf);
  emscripten::class_<StepPacing>("StepPacing")
      .constructor<>()
      .function("start", &StartPacing)
      .function("setTempo", &SetPacingTempo)
      .function("takeDue", &TakeDueSteps);
  emscripten::function("walkChangers", &WalkChangers);
}

}  // namespace quirlweg::web
