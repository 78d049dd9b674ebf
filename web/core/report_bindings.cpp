// What the page's printed report says of a series beyond the evaluation's figures: the setting
// as the report words it (the start with y upward, as the protocol shows points), the seed,
// the number of journeys and the program's version.

#include <emscripten/bind.h>
#include <emscripten/val.h>

#include <string>

#include "engine/text_forms.h"
#include "web_walk.h"

namespace quirlweg::web {
namespace {

using emscripten::val;

val ReportFactsOf(const WebWalk& w, const std::string& separator) {
  const theory::Setting s = w.ExactSetting();
  val out = val::object();
  out.set("dimension", s.dimension);
  out.set("radius", s.radius);
  out.set("startX", s.startX);
  out.set("startUp", -s.startY);
  out.set("homeAbsorbs", s.homeAbsorbs);
  // Only a walk in one dimension has a choice of the probability to the right.
  out.set("rightProbability",
          s.dimension == 1
              ? val(LocaleForm(s.rightProbability, separator.empty() ? '.' : separator[0]))
              : val::null());
  out.set("seed", std::to_string(w.Seed()));
  out.set("journeys", static_cast<double>(w.displays().Series().size()));
  return out;
}

std::string ProgramVersion() {
  return QUIRLWEG_VERSION;
}

}  // namespace

EMSCRIPTEN_BINDINGS(quirlweg_report) {
  emscripten::function("reportFacts", &ReportFactsOf);
  emscripten::function("programVersion", &ProgramVersion);
}

}  // namespace quirlweg::web
