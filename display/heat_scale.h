#pragma once

#include <QColor>
#include <QFont>
#include <QImage>
#include <QString>
#include <cstdint>
#include <vector>

namespace quirlweg {

// Heat traces show an edge's visit count as a colour on a logarithmic scale from 1 to a top
// fitted to the counts so far: the most visits rounded up to a 1-2-5 step, so that a short
// lesson uses the whole scale as a long run does. More visits than the top share its colour;
// a new top changes every colour, and the picture is drawn afresh then.
inline constexpr int kHeatLeastTop = 2;

// The top for the most visits of any edge: the least of 2, 5, 10, 20, 50, ... at or above it.
int HeatTopFor(int mostVisits);

// Where a count lies on the scale up to `top`: 0 for one visit or none, 1 from `top` on.
double HeatShare(int count, int top);
// The scale's colour at a share in [0, 1].
QColor HeatColour(double share);

// The widest heat pen on a lattice whose points lie `spacing` pixels apart: a third of the
// spacing, so that the background shows between neighbouring edges, and at most 10 pixels, half
// of which stays inside the 10-pixel boundary line: traces never reach the margin the legend
// uses.
int HeatPenWidthFor(double spacing);

// Colour and pen width of every count up to the top, worked out once per lattice and top: a
// step then costs a table look-up rather than a logarithm.
class HeatScale {
 public:
  explicit HeatScale(int widestPen = 1, int top = kHeatLeastTop);

  int WidestPen() const { return widestPen_; }
  int Top() const { return top_; }
  QRgb Colour(int count) const { return colours_[Index(count)]; }
  int Width(int count) const { return widths_[Index(count)]; }
  bool LooksAlike(int count, int other) const {
    return Colour(count) == Colour(other) && Width(count) == Width(other);
  }

 private:
  std::size_t Index(int count) const;

  int widestPen_;
  int top_;
  std::vector<QRgb> colours_;
  std::vector<std::uint8_t> widths_;
};

// The legend: `caption`, then a colour bar from 1 to `top` with both counts, its text
// `textPixels` device-independent pixels high, drawn at `ratio` image pixels per such pixel.
QImage HeatLegend(int textPixels, qreal ratio, const QFont& font, QColor ink, QColor back,
                  const QString& caption, int top);

}  // namespace quirlweg
