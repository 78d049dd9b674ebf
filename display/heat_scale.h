#pragma once

#include <QColor>
#include <QFont>
#include <QImage>
#include <QString>
#include <cstdint>
#include <vector>

namespace quirlweg {

// Heat traces show an edge's visit count as a colour on a logarithmic scale from 1 to
// kHeatTopCount; more visits share the top colour. A fixed top keeps a colour meaning the same
// count for the whole run, so the picture never has to be redrawn while the walk goes on.
inline constexpr int kHeatTopCount = 10'000;

// Where a count lies on the scale: 0 for one visit or none, 1 from kHeatTopCount on.
double HeatShare(int count);
// The scale's colour at a share in [0, 1].
QColor HeatColour(double share);

// The widest heat pen on a lattice whose points lie `spacing` pixels apart: a third of the
// spacing, so that the background shows between neighbouring edges, and at most 10 pixels, half
// of which stays inside the 10-pixel boundary line: traces never reach the margin the legend
// uses.
int HeatPenWidthFor(double spacing);

// Colour and pen width of every count up to the top, worked out once per lattice: a step then
// costs a table look-up rather than a logarithm.
class HeatScale {
 public:
  explicit HeatScale(int widestPen = 1);

  int WidestPen() const { return widestPen_; }
  QRgb Colour(int count) const { return colours_[Index(count)]; }
  int Width(int count) const { return widths_[Index(count)]; }
  bool LooksAlike(int count, int other) const {
    return Colour(count) == Colour(other) && Width(count) == Width(other);
  }

 private:
  static std::size_t Index(int count);

  int widestPen_;
  std::vector<QRgb> colours_;
  std::vector<std::uint8_t> widths_;
};

// The legend: `caption`, then a colour bar from 1 to kHeatTopCount with both counts, `height`
// device-independent pixels high, drawn at `ratio` image pixels per such pixel.
QImage HeatLegend(int height, qreal ratio, const QFont& font, QColor ink, QColor back,
                  const QString& caption);

}  // namespace quirlweg
