// The evaluation's further pages for the page: the start-point map, the exit places and the
// Versuchsreihe. The heavy parts (a map, the exact places, a chunk of a sweep) are single calls
// a worker makes; the rest turns their answers into what the page draws.

#include <emscripten/bind.h>
#include <emscripten/val.h>

#include <algorithm>
#include <cmath>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "picture/heat_colours.h"
#include "series/chart_figures.h"
#include "sweep/exit_places_view.h"
#include "sweep/sweep_table.h"
#include "theory/exit_places.h"
#include "theory/start_map.h"
#include "typed_arrays.h"
#include "values.h"
#include "web_walk.h"

namespace quirlweg::web {
namespace {

using emscripten::val;

theory::JourneyEnding EndingOf(SeriesRow row) {
  switch (row) {
    case SeriesRow::Top:
      return theory::JourneyEnding::kTop;
    case SeriesRow::Right:
      return theory::JourneyEnding::kRight;
    case SeriesRow::Bottom:
      return theory::JourneyEnding::kBottom;
    case SeriesRow::Left:
      return theory::JourneyEnding::kLeft;
    case SeriesRow::ZFace:
      return theory::JourneyEnding::kZFace;
    case SeriesRow::Home:
    case SeriesRow::Boundary:
    case SeriesRow::MeanLength:
      break;
  }
  return theory::JourneyEnding::kHome;
}

// The row a start map of `setting` shows the chance for, given the chosen `row`: home where it
// absorbs, else the chosen side where the walk reaches it.
int MapRowFor(const val& setting, int row) {
  return static_cast<int>(FollowedRow(SettingOf(setting), static_cast<SeriesRow>(row)));
}

// {radius, rows, columns, chance, meanLength} for the row MapRowFor gives, or {error}.
val StartMapFor(const val& setting, int row) {
  return ComputedOr(
      [&] {
        return theory::ComputeStartMap(SettingOf(setting), EndingOf(static_cast<SeriesRow>(row)));
      },
      [](const theory::StartMap& map) {
        val out = val::object();
        out.set("radius", map.radius);
        out.set("rows", map.rows());
        out.set("columns", 2 * map.radius - 1);
        out.set("chance", TypedArrayOf(map.chance));
        out.set("meanLength", TypedArrayOf(map.meanLength));
        return out;
      });
}

// The map's cells in the heat scale's colours, three bytes a cell, from its least value to its
// largest; with both.
val MapColoursOf(const val& values) {
  const auto v = emscripten::convertJSArrayToNumberVector<double>(values);
  val out = val::object();
  if (v.empty()) return out;
  const auto [low, high] = std::minmax_element(v.begin(), v.end());
  const double span = *high - *low > 1e-12 ? *high - *low : 1.0;
  std::vector<std::uint8_t> rgb;
  rgb.reserve(v.size() * 3);
  for (const double value : v) {
    const Rgb colour = HeatRgb((value - *low) / span);
    rgb.insert(rgb.end(),
               {static_cast<std::uint8_t>(colour >> 16), static_cast<std::uint8_t>(colour >> 8),
                static_cast<std::uint8_t>(colour)});
  }
  out.set("rgb", TypedArrayOf(rgb));
  out.set("low", *low);
  out.set("high", *high);
  return out;
}

val ExitPlacesFor(const val& setting) {
  return ComputedOr([&] { return theory::ComputeExitPlaces(SettingOf(setting)); },
                    [](const theory::ExitPlaces& places) {
                      val out = val::object();
                      out.set("radius", places.radius);
                      val sides = val::array();
                      for (const auto& side : places.sides) {
                        sides.call<void>("push", TypedArrayOf(side));
                      }
                      out.set("sides", sides);
                      out.set("zFaces", places.zFaces);
                      out.set("home", places.home);
                      return out;
                    });
}

std::optional<theory::ExitPlaces> PlacesOf(const val& places) {
  if (places.isNull() || places.isUndefined() || places.hasOwnProperty("error")) return {};
  theory::ExitPlaces p;
  p.radius = places["radius"].as<int>();
  for (std::size_t s = 0; s < 4; ++s) {
    p.sides[s] =
        emscripten::convertJSArrayToNumberVector<double>(places["sides"][static_cast<int>(s)]);
  }
  p.zFaces = places["zFaces"].as<double>();
  p.home = places["home"].as<double>();
  return p;
}

val CellValue(const ExitCell& c) {
  val out = val::object();
  out.set("measured", c.measured);
  out.set("low", c.low);
  out.set("high", c.high);
  out.set("exact", c.exact ? val(*c.exact) : val::null());
  return out;
}

// The walk's series at its current setting beside `places` (ExitPlacesFor's answer for that
// setting, or null while it is computed).
val ExitViewOf(const WebWalk& w, const val& places) {
  const theory::Setting setting = w.ExactSetting();
  const ExitTally tally = TallyExits(w.displays().Series(), setting);
  const ExitPlacesView view = ViewOf(tally, PlacesOf(places), setting);
  val out = val::object();
  out.set("radius", view.radius);
  out.set("measured", view.measured);
  out.set("startX", view.startX);
  out.set("startY", view.startY);
  out.set("largest", LargestShare(view));
  val sides = val::array();
  for (const auto& side : view.sides) {
    val cells = val::array();
    for (const ExitCell& c : side) cells.call<void>("push", CellValue(c));
    sides.call<void>("push", cells);
  }
  out.set("sides", sides);
  out.set("home", CellValue(view.home));
  out.set("zFaces", CellValue(view.zFaces));
  out.set("counted", static_cast<double>(tally.journeys()));
  out.set("total", static_cast<double>(w.displays().Series().size()));
  out.set("setting", SettingValue(setting));
  return out;
}

val SweepPointsOf(const val& setting, int choice) {
  val out = val::array();
  for (const theory::Setting& s :
       SweepChoicePoints(SettingOf(setting), static_cast<SweepChoice>(choice))) {
    out.call<void>("push", SettingValue(s));
  }
  return out;
}

// Three numbers a chunk: its point, its index and its journeys.
val SweepChunksOf(int points, double journeysPerPoint) {
  std::vector<double> flat;
  for (const SweepChunk& c :
       SweepChunks(static_cast<std::size_t>(points), static_cast<std::int64_t>(journeysPerPoint))) {
    flat.insert(flat.end(), {static_cast<double>(c.point), static_cast<double>(c.index),
                             static_cast<double>(c.journeys)});
  }
  return TypedArrayOf(flat);
}

// [journeys, home ends, steps] of one chunk; the seed a whole number below 2^53.
val MeasureSweepChunk(const val& setting, int point, double index, double journeys, double seed) {
  const SweepChunk chunk{static_cast<std::size_t>(point), static_cast<std::int64_t>(index),
                         static_cast<std::int64_t>(journeys)};
  const MeasuredPoint m = MeasureChunk(SettingOf(setting), chunk, static_cast<std::uint64_t>(seed));
  val out = val::array();
  out.call<void>("push", static_cast<double>(m.journeys));
  out.call<void>("push", static_cast<double>(m.homeEnds));
  out.call<void>("push", static_cast<double>(m.steps));
  return out;
}

// The exact endings and moments of one point, without the length distribution.
val SweepExactOf(const val& setting) {
  return ComputedOr([&] { return theory::ComputeEndingsAndMoments(SettingOf(setting)); },
                    [](const theory::JourneyStatistics& j) {
                      val out = val::object();
                      out.set("home", j.home);
                      out.set("meanLength", j.meanLength);
                      out.set("sdLength", j.sdLength);
                      return out;
                    });
}

// A finished sweep's table: `measured` three numbers a point as MeasureSweepChunk gives them
// summed, `exact` SweepExactOf's answers.
SweepTable TableFrom(int choice, int quantity, const val& points, const val& measured,
                     const val& exact) {
  std::vector<theory::Setting> settings;
  std::vector<MeasuredPoint> counts;
  std::vector<theory::JourneyStatistics> values;
  const auto sums = emscripten::convertJSArrayToNumberVector<double>(measured);
  const int n = points["length"].as<int>();
  for (int i = 0; i < n; ++i) {
    settings.push_back(SettingOf(points[i]));
    const auto at = static_cast<std::size_t>(3 * i);
    counts.push_back({static_cast<std::int64_t>(sums.at(at)),
                      static_cast<std::int64_t>(sums.at(at + 1)),
                      static_cast<std::int64_t>(sums.at(at + 2))});
    theory::JourneyStatistics j;
    j.home = exact[i]["home"].as<double>();
    j.meanLength = exact[i]["meanLength"].as<double>();
    j.sdLength = exact[i]["sdLength"].as<double>();
    values.push_back(j);
  }
  return TableOf(static_cast<SweepChoice>(choice), static_cast<SweepQuantity>(quantity), settings,
                 counts, values);
}

// The table's rows as the chart shows them, with its axes.
val SweepTableOf(int choice, int quantity, const val& points, const val& measured, const val& exact,
                 const std::string& separator) {
  const SweepTable table = TableFrom(choice, quantity, points, measured, exact);
  val rows = val::array();
  for (const SweepRow& r : table.rows) {
    val row = val::object();
    row.set("parameter", r.parameter);
    row.set("curve", r.curve);
    row.set("journeys", static_cast<double>(r.journeys));
    row.set("measured", SweepChartValue(table, r.measured));
    row.set("low", SweepChartValue(table, r.low));
    row.set("high", SweepChartValue(table, r.high));
    row.set("exact", SweepChartValue(table, r.exact));
    rows.call<void>("push", row);
  }
  val out = val::object();
  out.set("rows", rows);
  out.set("axes", AxesOf(SweepChartAxes(table), separator));
  return out;
}

// The table as the CSV bytes "Tabelle speichern …" saves; `words` the header's, by name.
val SweepCsvOf(int choice, int quantity, const val& points, const val& measured, const val& exact,
               const val& words, const std::string& separator) {
  const auto word = [&](const char* name) { return words[name].as<std::string>(); };
  const SweepCsvWords header{word("dimension"), word("parameter"), word("journeys"),
                             word("measured"),  word("low"),       word("high"),
                             word("exact")};
  return BytesOf(SweepCsv(TableFrom(choice, quantity, points, measured, exact), header, separator));
}

}  // namespace

EMSCRIPTEN_BINDINGS(quirlweg_analysis) {
  emscripten::function("startMapRow", &MapRowFor);
  emscripten::function("startMap", &StartMapFor);
  emscripten::function("mapColours", &MapColoursOf);
  emscripten::function("exitPlaces", &ExitPlacesFor);
  emscripten::function("exitPlacesView", &ExitViewOf);
  emscripten::function("sweepPoints", &SweepPointsOf);
  emscripten::function("sweepChunks", &SweepChunksOf);
  emscripten::function("measureSweepChunk", &MeasureSweepChunk);
  emscripten::function("sweepExact", &SweepExactOf);
  emscripten::function("sweepTable", &SweepTableOf);
  emscripten::function("sweepCsv", &SweepCsvOf);
}

}  // namespace quirlweg::web
