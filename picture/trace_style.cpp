#include "trace_style.h"

#include <array>

#include "lattice_frame.h"

namespace quirlweg {

Rgb PaletteRgb(int index) {
  static constexpr std::array<Rgb, 16> kColours = {
      0x000000, 0x000080, 0x008000, 0x008080, 0x800000, 0x800080, 0x808000, 0xC0C0C0,
      0x808080, 0x0000FF, 0x00FF00, 0x00FFFF, 0xFF0000, 0xFF00FF, 0xFFFF00, 0xFFFFFF,
  };
  if (index < 0 || index >= static_cast<int>(kColours.size())) return 0x000000;
  return kColours[static_cast<std::size_t>(index)];
}

LatticeColours ClassicColours() {
  return {kLatticeBack, PaletteRgb(kBoundaryColour), PaletteRgb(kPointColour),
          PaletteRgb(kHomeRingColour), PaletteRgb(kHomeCircleColour)};
}

int PenAfterLattice(int radius, bool homeCircle) {
  return homeCircle ? kHomeCircleWidth : PointWidthFor(radius);
}

}  // namespace quirlweg
