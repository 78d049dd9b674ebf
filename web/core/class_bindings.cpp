// What a device of a class and the teacher's board ask the core: the messages they send the
// class server, built as the server reads them, and the controls a device locks while it
// walks for the class. The page opens
// the socket and words what the server answers.

#include <emscripten/bind.h>
#include <emscripten/val.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "classroom/class_status.h"
#include "classroom/device_messages.h"
#include "layout/walk_changers.h"
#include "lesson/experiment.h"
#include "web_walk.h"

namespace quirlweg::web {
namespace {

using emscripten::val;

// Journeys `from` on of the page's series, as many as one message carries; an empty text when
// none is left to send.
std::string JourneysMessage(const WebWalk& w, int round, double from) {
  std::vector<SavedJourney> series;
  series.reserve(w.displays().Series().size());
  for (const JourneyRecord& j : w.displays().Series()) series.push_back(SavedJourneyOf(j));
  return classroom::JourneysText(round, static_cast<std::int64_t>(from), series);
}

// The walk changers a device keeps locked: everything that would change the setting or start
// a new series, which the server could then not walk again. The run mode and clearing the
// traces leave the journeys as they are.
val LockedControls() {
  val out = val::array();
  for (const std::string_view name : kWalkChangers) {
    if (name.starts_with("optModus") || name == "Command1") continue;
    out.call<void>("push", std::string(name));
  }
  return out;
}

// A share as the board shows it: in per cent with two decimals and the page's separator.
std::string Percent(double share, const std::string& separator) {
  char text[32];
  std::snprintf(text, sizeof text, "%.2f %%", 100 * share);
  std::string shown = text;
  if (separator.size() == 1) std::replace(shown.begin(), shown.end(), '.', separator[0]);
  return shown;
}

// The class's picture as the desktop board draws it, for a picture whose largest number of
// journeys is `most`: the journey axis' end and marks, the share axis' marks.
val PictureAxes(double most) {
  const classroom::ClassPictureAxes axes = classroom::AxesFor(static_cast<std::int64_t>(most));
  val journeys = val::array();
  for (const double n : axes.JourneyTicks()) journeys.call<void>("push", n);
  val shares = val::array();
  for (const double share : classroom::kShareTicks) shares.call<void>("push", share);
  val out = val::object();
  out.set("most", axes.mostJourneys);
  out.set("journeyTicks", journeys);
  out.set("shareTicks", shares);
  return out;
}

// How far along the journey axis ending at `most` a number of journeys lies, 0 to 1.
double PictureAt(double most, double journeys) {
  return classroom::ClassPictureAxes{most}.At(journeys);
}

// The band around the exact chance along that axis: {at, low, high} from left to right.
val PictureBand(double exact, double most) {
  val out = val::array();
  for (const auto& point : classroom::ClassPictureAxes{most}.Band(exact)) {
    val p = val::object();
    p.set("at", point.at);
    p.set("low", point.low);
    p.set("high", point.high);
    out.call<void>("push", p);
  }
  return out;
}

// A new round in the setting the page's controls show, for the teacher's board.
std::string NewRoundMessage(WebWalk& w) {
  return classroom::NewRoundText(w.walk().CurrentJourneySetting());
}

}  // namespace

EMSCRIPTEN_BINDINGS(quirlweg_class) {
  emscripten::function("classJoinMessage", &classroom::JoinText);
  emscripten::function("classRejoinMessage", &classroom::RejoinText);
  emscripten::function("classJourneysMessage", &JourneysMessage);
  emscripten::function("classLockedControls", &LockedControls);
  emscripten::function("classBoardMessage", &classroom::BoardText);
  emscripten::function("classStatusMessage", &classroom::StatusText);
  emscripten::function("classPauseMessage", &classroom::PauseText);
  emscripten::function("classNewRoundMessage", &NewRoundMessage);
  emscripten::function("classRemoveMessage", &classroom::RemoveText);
  emscripten::function("classEndMessage", &classroom::EndText);
  emscripten::function("classPercent", &Percent);
  emscripten::function("classPictureAxes", &PictureAxes);
  emscripten::function("classPictureAt", &PictureAt);
  emscripten::function("classPictureBand", &PictureBand);
  emscripten::constant("classSocketPath", std::string(classroom::kClassSocketPath));
}

}  // namespace quirlweg::web
