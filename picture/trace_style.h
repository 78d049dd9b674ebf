#pragma once

#include <cstdint>

namespace quirlweg {

// A colour as 0xRRGGBB.
using Rgb = std::uint32_t;

// The classic 16-colour palette: 0 black, 1 dark blue, 2 dark green, 3 dark cyan, 4 dark red,
// 5 dark magenta, 6 dark yellow, 7 light grey, 8 grey, 9 blue, 10 green, 11 cyan, 12 red,
// 13 magenta, 14 yellow, 15 white. Indices outside 0..15 give black.
Rgb PaletteRgb(int index);

// The lattice picture's pens: palette colours and widths in device-independent pixels.
inline constexpr Rgb kLatticeBack = 0xE0E0E0;  // light grey, lighter than palette grey
inline constexpr int kBoundaryColour = 14;
inline constexpr int kBoundaryWidth = 10;
inline constexpr int kPointColour = 3;
// The home circle: a wide ring of white under a thin blue circle, which stands out from traces
// of any width beneath it.
inline constexpr int kHomeRingColour = 15;
inline constexpr int kHomeRingWidth = 10;
inline constexpr int kHomeCircleColour = 9;
inline constexpr int kHomeCircleWidth = 1;
inline constexpr double kHomeCircleRadius = 0.5;  // in lattice units
// Traces and the legend's text, where there is no system palette to give the window's text
// colour.
inline constexpr int kInkColour = 0;

// The lattice picture's colours: the classic ones, or stronger ones for a weak projector that
// washes light colours out: a white ground, black points, a dark blue boundary and a dark red
// home circle; the traces are black in both.
struct LatticeColours {
  Rgb back;
  Rgb boundary;
  Rgb point;
  Rgb homeRing;
  Rgb homeCircle;
};
LatticeColours ClassicColours();
inline constexpr LatticeColours kHighContrastColours{0xFFFFFF, 0x0000A0, 0x000000, 0xFFFFFF,
                                                     0xC00000};

// The pen the lattice view holds once the lattice is drawn: the home circle's, drawn last, or
// else the lattice points'. A dot plotted before the walk's first trace segment takes it.
int PenAfterLattice(int radius, bool homeCircle);

}  // namespace quirlweg
