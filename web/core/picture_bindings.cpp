// The lattice picture for JavaScript: where the lattice lands on the page's canvas and which
// pens and colours draw it, from the rules the desktop lattice view draws with. The page
// strokes and fills; every margin, pixel, pen width and colour comes from here.

#include <emscripten/bind.h>
#include <emscripten/val.h>

#include <cstdio>
#include <string>
#include <vector>

#include "heat_picture.h"
#include "picture/heat_colours.h"
#include "picture/lattice_frame.h"
#include "picture/trace_style.h"
#include "typed_arrays.h"
#include "web_walk.h"

namespace quirlweg::web {
namespace {

using emscripten::val;

// The mapping of the lattice of `radius` onto a canvas `width` x `height` pixels large.
val LatticeMappingOf(int radius, double width, double height) {
  const PixelMapping m = MappingOnto(LatticeEdges(radius), width, height);
  val out = val::object();
  out.set("originX", m.originX);
  out.set("originY", m.originY);
  out.set("factorX", m.factorX);
  out.set("factorY", m.factorY);
  return out;
}

PixelMapping MappingFrom(const val& m) {
  return {m["originX"].as<double>(), m["originY"].as<double>(), m["factorX"].as<double>(),
          m["factorY"].as<double>()};
}

// Lattice points as x, y, x, y, ... to the centres of a round pen `pen` canvas pixels wide
// on the pixels the desktop program draws them on: one call for a whole path.
val PenCentres(const val& mapping, const val& points, int pen) {
  const PixelMapping m = MappingFrom(mapping);
  const std::vector<double> xy = emscripten::convertJSArrayToNumberVector<double>(points);
  std::vector<double> centres(xy.size() / 2 * 2);
  for (std::size_t i = 0; i + 1 < xy.size(); i += 2) {
    const PixelPoint p = PixelOf(m, xy[i], xy[i + 1]);
    centres[i] = PenCentre(p.x, pen);
    centres[i + 1] = PenCentre(p.y, pen);
  }
  return TypedArrayOf(centres);
}

// Where a lattice point lands, fractional: for the pictures placed over the canvas.
val PlaceOfPoint(const val& mapping, double x, double y) {
  const PlacePoint p = PlaceOf(MappingFrom(mapping), x, y);
  val out = val::array();
  out.call<void>("push", p.x);
  out.call<void>("push", p.y);
  return out;
}

std::string CssColour(Rgb colour) {
  char text[8];
  std::snprintf(text, sizeof text, "#%06x", static_cast<unsigned>(colour & 0xFFFFFF));
  return text;
}

// The lattice's pens for a lattice radius, in the classic colours or those of high contrast:
// colours as CSS, widths in CSS pixels.
val LatticeStyleFor(int radius, bool highContrast) {
  const LatticeColours colours = highContrast ? kHighContrastColours : ClassicColours();
  val out = val::object();
  out.set("back", CssColour(colours.back));
  out.set("trace", CssColour(PaletteRgb(kInkColour)));
  out.set("boundary", CssColour(colours.boundary));
  out.set("point", CssColour(colours.point));
  out.set("homeRing", CssColour(colours.homeRing));
  out.set("homeCircle", CssColour(colours.homeCircle));
  out.set("boundaryWidth", kBoundaryWidth);
  out.set("pointWidth", PointWidthFor(radius));
  out.set("homeRingWidth", kHomeRingWidth);
  out.set("homeCircleWidth", kHomeCircleWidth);
  out.set("homeCircleRadius", kHomeCircleRadius);
  return out;
}

// The walk's traces as heat on a lattice whose points lie `spacing` canvas pixels apart:
// {top, pens: [{colour, width, segments}], walkedPoints, ringedPoints, widestPen}.
val HeatPictureFor(WebWalk& w, double spacing) {
  const WalkState& s = w.walk().state();
  const HeatPicture picture = HeatPictureOf(s.hEdgeVisits, s.vEdgeVisits, s.gridRadius, spacing);
  val pens = val::array();
  for (const HeatPicture::Pen& pen : picture.pens) {
    val out = val::object();
    out.set("colour", CssColour(pen.colour));
    out.set("width", pen.width);
    out.set("segments", TypedArrayOf(pen.segments));
    pens.call<void>("push", out);
  }
  val out = val::object();
  out.set("top", picture.top);
  out.set("widestPen", picture.widestPen);
  out.set("pens", pens);
  out.set("walkedPoints", TypedArrayOf(picture.walkedPoints));
  out.set("ringedPoints", TypedArrayOf(picture.ringedPoints));
  return out;
}

// The heat legend for a view whose lattice ends `bottom` CSS pixels from its top: its sizes,
// the scale's colours from one end to the other and the top's text.
val HeatLegendFor(double bottom, int top, bool commaGroups) {
  const HeatLegendShape shape = HeatLegendShapeFor(bottom);
  val out = val::object();
  out.set("textPixels", shape.textPixels);
  out.set("gap", shape.gap);
  out.set("barWidth", shape.barWidth);
  out.set("barHeight", shape.barHeight);
  val colours = val::array();
  for (const Rgb colour : kHeatScale) colours.call<void>("push", CssColour(colour));
  out.set("colours", colours);
  out.set("topText", HeatCountText(top, commaGroups));
  return out;
}

}  // namespace

EMSCRIPTEN_BINDINGS(quirlweg_picture) {
  emscripten::constant("latticeMarginX", kLatticeMarginX);
  emscripten::constant("latticeMarginY", kLatticeMarginY);
  emscripten::function("latticeMapping", &LatticeMappingOf);
  emscripten::function("penCentres", &PenCentres);
  emscripten::function("placeOf", &PlaceOfPoint);
  emscripten::function("devicePen", &DevicePenWidth);
  emscripten::function("latticeStyle", &LatticeStyleFor);
  emscripten::function("heatPicture", &HeatPictureFor);
  emscripten::function("heatLegend", &HeatLegendFor);
}

}  // namespace quirlweg::web
