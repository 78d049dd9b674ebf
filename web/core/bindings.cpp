// The browser edition's door into the core: the walk and the exact statistics for JavaScript.
// Frames come back as plain objects whose trace marks are one Int32Array, five numbers a mark.

#include <emscripten/bind.h>
#include <emscripten/val.h>

#include <cmath>
#include <stdexcept>
#include <string>
#include <vector>

#include "engine/text_forms.h"
#include "theory/journey_statistics.h"
#include "typed_arrays.h"
#include "values.h"
#include "web_walk.h"

namespace quirlweg::web {
namespace {

using emscripten::val;

val MarksOf(const std::vector<TraceMark>& marks) {
  std::vector<std::int32_t> flat;
  flat.reserve(marks.size() * 5);
  for (const TraceMark& m : marks)
    flat.insert(flat.end(), {m.fromX, m.fromY, m.toX, m.toY, m.width});
  return TypedArrayOf(flat);
}

val LatticeOf(const LatticeDrawing& lattice) {
  val out = val::object();
  out.set("radius", lattice.radius);
  out.set("walkerSize", lattice.walkerSize);
  out.set("homeX", lattice.homeX);
  out.set("homeY", lattice.homeY);
  out.set("homeCircle", lattice.homeCircle);
  return out;
}

template <class T, std::size_t N>
val ArrayOf(const std::array<T, N>& values) {
  val out = val::array();
  for (const T& v : values) out.call<void>("push", v);
  return out;
}

constexpr std::array<const char*, 6> kEndNames{"home", "top", "right", "bottom", "left", "zFace"};

val JourneysOf(const std::vector<JourneyRecord>& journeys) {
  val out = val::array();
  for (const JourneyRecord& j : journeys) {
    val record = val::object();
    record.set("number", j.number);
    record.set("length", static_cast<double>(j.length));
    record.set("x", j.x);
    record.set("y", j.y);
    record.set("z", j.z);
    record.set("end", std::string(kEndNames.at(static_cast<std::size_t>(j.end))));
    out.call<void>("push", record);
  }
  return out;
}

val FrameOf(Frame frame) {
  val out = val::object();
  out.set("lattice", frame.lattice ? LatticeOf(*frame.lattice) : val::null());
  out.set("marks", MarksOf(frame.marks));
  val walker = val::object();
  walker.set("visible", frame.walker.visible);
  walker.set("left", frame.walker.left);
  walker.set("top", frame.walker.top);
  walker.set("size", frame.walker.size);
  out.set("walker", walker);
  val marker = val::object();
  marker.set("visible", frame.marker.visible);
  marker.set("left", frame.marker.left);
  marker.set("top", frame.marker.top);
  marker.set("width", frame.marker.width);
  marker.set("height", frame.marker.height);
  out.set("marker", marker);
  out.set("coordinates", frame.coordinates);
  out.set("steps", frame.steps ? val(*frame.steps) : val::null());
  out.set("countBoxes", ArrayOf(frame.countBoxes));
  out.set("hits", ArrayOf(frame.hits));
  out.set("protocol", frame.protocol ? val(*frame.protocol) : val::null());
  out.set("journeys", JourneysOf(frame.journeys));
  out.set("stepsTaken", static_cast<double>(frame.stepsTaken));
  out.set("countersReset", frame.countersReset);
  out.set("restartNotices", frame.restartNotices);
  return out;
}

val StatisticsValues(const theory::JourneyStatistics& j) {
  val out = val::object();
  out.set("home", j.home);
  out.set("top", j.top);
  out.set("right", j.right);
  out.set("bottom", j.bottom);
  out.set("left", j.left);
  out.set("zFace", j.zFace);
  out.set("meanLength", j.meanLength);
  out.set("sdLength", j.sdLength);
  out.set("distribution", std::string(j.lengthDistribution.empty() ? "none" : "computed"));
  out.set("lengthDistribution", TypedArrayOf(j.lengthDistribution));
  return out;
}

// The exact statistics of a setting, or {error} for a setting no walk can have.
val StatisticsOf(const theory::Setting& setting) {
  return ComputedOr([&] { return theory::ComputeJourneyStatistics(setting); }, &StatisticsValues);
}

// JavaScript numbers are doubles: a seed comes as a whole number below 2^53.
std::unique_ptr<WebWalk> MakeWalk(double seed) {
  return std::make_unique<WebWalk>(static_cast<std::uint64_t>(std::fabs(seed)));
}

void SetDimension(WebWalk& w, int dimension) {
  w.settings().SetDimension(dimension);
}
void SetRightPercent(WebWalk& w, int percent) {
  w.settings().SetRightPercent(percent);
}
void SetHomeAbsorbs(WebWalk& w, bool absorbs) {
  w.settings().SetHomeAbsorbs(absorbs);
}
void SetLatticeSize(WebWalk& w, int radius) {
  w.settings().SetLatticeSize(radius);
}
void SetMode(WebWalk& w, int mode) {
  w.settings().SetMode(mode);
}
void SetDecimalSeparator(WebWalk& w, const std::string& separator) {
  w.settings().SetDecimalSeparator(separator.size() == 1 ? separator[0] : '.');
}
void SetProtocolHeader(WebWalk& w, const std::string& header) {
  w.displays().SetProtocolHeader(header);
}
void SetCountBoxText(WebWalk& w, int box, const std::string& text) {
  if (box >= 0 && box <= 4) w.displays().SetCountBoxText(static_cast<CountBox>(box), text);
}
void SetProtocolText(WebWalk& w, const std::string& text) {
  w.displays().SetProtocolText(text);
}

void Start(WebWalk& w) {
  w.walk().Start();
}
bool BeginRun(WebWalk& w) {
  return w.walk().BeginStepwiseRun();
}
void MoveStartPoint(WebWalk& w, int direction) {
  if (direction >= 0 && direction <= 3) w.walk().MoveStartPoint(static_cast<Direction>(direction));
}
void ChangeLatticeSize(WebWalk& w) {
  w.walk().ChangeLatticeSize();
}
void MoveStartToOrigin(WebWalk& w) {
  w.walk().MoveStartToOrigin();
}
void SwitchHomeAbsorption(WebWalk& w) {
  w.walk().SwitchHomeAbsorption();
}
void ClearTraces(WebWalk& w) {
  w.walk().ClearTraces();
}
void ResetCounters(WebWalk& w) {
  w.walk().ResetCounters();
}
val TakeFrame(WebWalk& w) {
  return FrameOf(w.displays().TakeFrame());
}
val AllMarks(WebWalk& w) {
  return MarksOf(w.displays().AllMarks());
}
val CurrentLattice(WebWalk& w) {
  return LatticeOf(w.displays().Lattice());
}
// The current setting's, kept by the walk for its evaluation.
val ExactStatistics(WebWalk& w) {
  const auto& j = w.ComputeExact();
  return j ? StatisticsValues(*j) : ErrorValue("invalid-setting");
}
val StatisticsFor(const val& setting) {
  return StatisticsOf(SettingOf(setting));
}

// The setting whose exact statistics the walk needs, for a worker to compute.
val ExactSettingOf(const WebWalk& w) {
  return SettingValue(w.ExactSetting());
}
// What a worker computed for `setting` (StatisticsFor's answer); false when the walk's setting
// changed meanwhile.
bool TakeExactStatistics(WebWalk& w, const val& setting, const val& values) {
  if (values.hasOwnProperty("error")) return w.TakeExact(SettingOf(setting), std::nullopt);
  theory::JourneyStatistics j;
  j.home = values["home"].as<double>();
  j.top = values["top"].as<double>();
  j.right = values["right"].as<double>();
  j.bottom = values["bottom"].as<double>();
  j.left = values["left"].as<double>();
  j.zFace = values["zFace"].as<double>();
  j.meanLength = values["meanLength"].as<double>();
  j.sdLength = values["sdLength"].as<double>();
  j.lengthDistribution =
      emscripten::convertJSArrayToNumberVector<double>(values["lengthDistribution"]);
  return w.TakeExact(SettingOf(setting), std::move(j));
}

std::string LocaleFormOf(double value, const std::string& separator) {
  return LocaleForm(value, separator.size() == 1 ? separator[0] : '.');
}

}  // namespace

EMSCRIPTEN_BINDINGS(quirlweg_core) {
  emscripten::class_<WebWalk>("Walk")
      .constructor(&MakeWalk)
      .function("load", &WebWalk::Load)
      .function("setDimension", &SetDimension)
      .function("setRightPercent", &SetRightPercent)
      .function("setHomeAbsorbs", &SetHomeAbsorbs)
      .function("setLatticeSize", &SetLatticeSize)
      .function("setMode", &SetMode)
      .function("setDecimalSeparator", &SetDecimalSeparator)
      .function("setProtocolHeader", &SetProtocolHeader)
      .function("setCountBoxText", &SetCountBoxText)
      .function("setProtocolText", &SetProtocolText)
      .function("start", &Start)
      .function("beginRun", &BeginRun)
      .function("continueRun", &WebWalk::ContinueRun)
      .function("moveStartPoint", &MoveStartPoint)
      .function("changeLatticeSize", &ChangeLatticeSize)
      .function("moveStartToOrigin", &MoveStartToOrigin)
      .function("switchHomeAbsorption", &SwitchHomeAbsorption)
      .function("clearTraces", &ClearTraces)
      .function("resetCounters", &ResetCounters)
      .function("takeFrame", &TakeFrame)
      .function("allMarks", &AllMarks)
      .function("lattice", &CurrentLattice)
      .function("exactStatistics", &ExactStatistics);
  emscripten::function("journeyStatistics", &StatisticsFor);
  emscripten::function("exactSetting", &ExactSettingOf);
  emscripten::function("takeExactStatistics", &TakeExactStatistics);
  emscripten::function("strForm", &StrForm);
  emscripten::function("printForm", emscripten::select_overload<std::string(double)>(&PrintForm));
  emscripten::function("localeForm", &LocaleFormOf);
}

}  // namespace quirlweg::web
