#pragma once

#include <QColor>

namespace quirlweg {

// The classic 16-colour palette: 0 black, 1 dark blue, 2 dark green, 3 dark cyan, 4 dark red,
// 5 dark magenta, 6 dark yellow, 7 light grey, 8 grey, 9 blue, 10 green, 11 cyan, 12 red,
// 13 magenta, 14 yellow, 15 white. Indices outside 0..15 give black.
QColor PaletteColor(int index);

}  // namespace quirlweg
