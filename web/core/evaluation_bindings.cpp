// The control layouts and the evaluation for JavaScript: plain objects of numbers, null where
// the desktop program leaves a field empty.

#include <emscripten/bind.h>
#include <emscripten/val.h>

#include <cmath>
#include <optional>
#include <string>

#include "layout/layout.h"
#include "layout/lesson_layout.h"
#include "values.h"
#include "web_walk.h"

namespace quirlweg::web {
namespace {

using emscripten::val;

val Optional(const std::optional<double>& value) {
  return value ? val(*value) : val::null();
}

val ValOf(const Arrangement& a) {
  val controls = val::array();
  for (const ControlPlacement& c : a.controls) {
    val control = val::object();
    control.set("name", std::string(c.name));
    control.set("left", c.left);
    control.set("top", c.top);
    control.set("width", c.width);
    control.set("height", c.height);
    control.set("fontSize", Optional(c.fontSize));
    controls.call<void>("push", control);
  }
  val lines = val::array();
  for (const LinePlacement& l : a.lines) {
    val line = val::object();
    line.set("name", std::string(l.name));
    line.set("x1", l.x1);
    line.set("x2", l.x2);
    line.set("y1", l.y1);
    line.set("y2", l.y2);
    lines.call<void>("push", line);
  }
  val out = val::object();
  out.set("controls", controls);
  out.set("lines", lines);
  out.set("scale", a.scaleX);
  return out;
}

// The classic layout for a screen of the given size.
val ArrangementOf(double screenWidthTwips, double screenHeightTwips) {
  return ValOf(ArrangeControls(screenWidthTwips, screenHeightTwips));
}

// The lesson arrangement for a window's inside of the given size.
val LessonArrangementOf(double areaWidthTwips, double areaHeightTwips) {
  return ValOf(ArrangeForLesson(areaWidthTwips, areaHeightTwips));
}

// What the page needs to size the lesson arrangement and the evaluation beside it as the
// desktop program does: the drawn size in pixels, the texts' points at scale 1 and the
// narrowest evaluation worth putting beside the window.
val LessonSizes() {
  val out = val::object();
  out.set("width", kLessonWidth);
  out.set("height", kLessonHeight);
  out.set("textPoints", kLessonTextPoints);
  out.set("figurePoints", kLessonFigurePoints);
  out.set("tablePoints", kLessonTablePoints);
  out.set("narrowestEvaluation", kNarrowestEvaluation);
  return out;
}

val RowOf(const TableRow& row) {
  val out = val::object();
  out.set("count", row.count ? val(*row.count) : val::null());
  out.set("measured", Optional(row.measured));
  out.set("low", Optional(row.low));
  out.set("high", Optional(row.high));
  out.set("exact", Optional(row.exact));
  out.set("outside", row.outside);
  out.set("shown", row.shown);
  return out;
}

// Four numbers a point: journeys, share, band's low and high (NaN without exact values).
val CurveOf(const std::vector<CurvePoint>& curve) {
  val out = val::array();
  for (const CurvePoint& p : curve) {
    out.call<void>("push", p.journeys);
    out.call<void>("push", p.share);
    out.call<void>("push", p.low.value_or(std::nan("")));
    out.call<void>("push", p.high.value_or(std::nan("")));
  }
  return out;
}

val NumbersOf(const std::vector<double>& values) {
  val out = val::array();
  for (const double v : values) out.call<void>("push", v);
  return out;
}

// `side`: the row the convergence follows when home does not absorb, as the table's index;
// `separator`: the decimal separator of the axes' numbers; `logarithmic`: the journey axis.
val EvaluationOf(const WebWalk& w, int side, const std::string& separator, bool logarithmic) {
  const EvaluationFigures f = w.Evaluation(static_cast<SeriesRow>(side), logarithmic);
  val rows = val::array();
  for (const TableRow& row : f.rows) rows.call<void>("push", RowOf(row));
  val lengths = val::object();
  lengths.set("width", static_cast<double>(f.lengths.width));
  lengths.set("measured", NumbersOf(f.lengths.measured));
  lengths.set("exact", NumbersOf(f.lengths.exact));
  val out = val::object();
  out.set("journeys", f.journeys);
  out.set("mixesSettings", f.mixesSettings);
  out.set("exactHidden", f.exactHidden);
  out.set("guessRow", f.guess ? val(static_cast<int>(f.guess->row)) : val::null());
  out.set("guessValue", f.guess ? val(f.guess->value) : val::null());
  out.set("rows", rows);
  out.set("followed", static_cast<int>(f.followed));
  out.set("convergence", CurveOf(f.convergence));
  out.set("convergenceAxes", AxesOf(f.convergenceAxes, separator));
  out.set("lengths", lengths);
  out.set("lengthAxes", AxesOf(f.lengthAxes, separator));
  return out;
}

}  // namespace

EMSCRIPTEN_BINDINGS(quirlweg_evaluation) {
  emscripten::function("arrangeControls", &ArrangementOf);
  emscripten::function("arrangeForLesson", &LessonArrangementOf);
  emscripten::function("lessonScale", &LessonScale);
  emscripten::function("lessonSizes", &LessonSizes);
  emscripten::function("evaluation", &EvaluationOf);
}

}  // namespace quirlweg::web
