// The lattice picture for JavaScript: where the lattice lands on the page's canvas and which
// pens and colours draw it, from the rules the desktop lattice view draws with. The page
// strokes and fills; every margin, pixel, pen width and colour comes from here.

#include <emscripten/bind.h>
#include <emscripten/val.h>

#include <cstdio>
#include <string>
#include <vector>

#include "picture/lattice_frame.h"
#include "picture/trace_style.h"

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
  return val::global("Float64Array")
      .new_(emscripten::typed_memory_view(centres.size(), centres.data()));
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

// The lattice's pens for a lattice radius: colours as CSS, widths in CSS pixels.
val LatticeStyleFor(int radius) {
  val out = val::object();
  out.set("back", CssColour(kLatticeBack));
  out.set("trace", CssColour(PaletteRgb(kInkColour)));
  out.set("boundary", CssColour(PaletteRgb(kBoundaryColour)));
  out.set("point", CssColour(PaletteRgb(kPointColour)));
  out.set("homeRing", CssColour(PaletteRgb(kHomeRingColour)));
  out.set("homeCircle", CssColour(PaletteRgb(kHomeCircleColour)));
  out.set("boundaryWidth", kBoundaryWidth);
  out.set("pointWidth", PointWidthFor(radius));
  out.set("homeRingWidth", kHomeRingWidth);
  out.set("homeCircleWidth", kHomeCircleWidth);
  out.set("homeCircleRadius", kHomeCircleRadius);
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
}

}  // namespace quirlweg::web
