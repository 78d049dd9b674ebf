#pragma once

#include <QSize>

#include "layout/layout.h"

namespace quirlweg::bench {

// The window's layout on the primary screen, with the screen's logical dots per inch.
struct ScreenLayout {
  Arrangement arrangement;
  double dpiX = 96;
  double dpiY = 96;
};
ScreenLayout PrimaryScreenLayout();

// The pixel size the window gives its lattice view on the primary screen, laid out as the
// window lays it out (the window's one-pixel border included).
QSize LatticeViewSize();

}  // namespace quirlweg::bench
