#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "trace_style.h"

namespace quirlweg {

// Heat traces show an edge's visit count as a colour on a logarithmic scale from 1 to a top
// fitted to the counts so far: the most visits rounded up to a 1-2-5 step, so that a short
// lesson uses the whole scale as a long run does. More visits than the top share its colour;
// a new top changes every colour, and the picture is drawn afresh then.
inline constexpr int kHeatLeastTop = 2;

// The viridis scale from its dark end to 0.8 of the way: evenly bright steps that read alike
// with every common colour-vision deficiency. Its light yellow end is left out, since it would
// vanish on the view's light grey and look like the yellow boundary. Colours between two
// entries mix them in a straight line.
inline constexpr std::array<Rgb, 9> kHeatScale{0x440154, 0x482475, 0x414487, 0x355F8D, 0x2A788E,
                                               0x21918C, 0x22A884, 0x44BF70, 0x7AD151};

// The top for the most visits of any edge: the least of 2, 5, 10, 20, 50, ... at or above it.
int HeatTopFor(int mostVisits);

// Where a count lies on the scale up to `top`: 0 for one visit or none, 1 from `top` on.
double HeatShare(int count, int top);
// The scale's colour at a share in [0, 1].
Rgb HeatRgb(double share);

// The widest heat pen on a lattice whose points lie `spacing` pixels apart: a third of the
// spacing, so that the background shows between neighbouring edges, and at most 10 pixels, half
// of which stays inside the 10-pixel boundary line: traces never reach the margin the legend
// uses.
int HeatPenWidthFor(double spacing);

// The legend in the view's bottom right corner: the caption, "1", a colour bar and the top.
// Its text is 12 pixels on the view of a 1024 x 768 screen and grows with the view, whose
// lattice ends `bottomPixels` from the top.
struct HeatLegendShape {
  int textPixels;
  int gap;  // between its parts
  int barWidth;
  int barHeight;
};
HeatLegendShape HeatLegendShapeFor(double bottomPixels);

// The top's count with its thousands set apart: "50 000", or "50,000" where the user's
// numbers group with a comma (English); never with a point, which reads as a decimal mark
// beside German shares.
std::string HeatCountText(int count, bool commaGroups);

// Colour and pen width of every count up to the top, worked out once per lattice and top: a
// step then costs a table look-up rather than a logarithm.
class HeatScale {
 public:
  explicit HeatScale(int widestPen = 1, int top = kHeatLeastTop);

  int WidestPen() const { return widestPen_; }
  int Top() const { return top_; }
  Rgb Colour(int count) const { return colours_[Index(count)]; }
  int Width(int count) const { return widths_[Index(count)]; }
  bool LooksAlike(int count, int other) const {
    return Colour(count) == Colour(other) && Width(count) == Width(other);
  }

 private:
  std::size_t Index(int count) const;

  int widestPen_;
  int top_;
  std::vector<Rgb> colours_;
  std::vector<std::uint8_t> widths_;
};

}  // namespace quirlweg
