#pragma once

#include <QSize>

namespace quirlweg::bench {

// The pixel size the window gives its lattice view on the primary screen, laid out as the
// window lays it out (the window's one-pixel border included).
QSize LatticeViewSize();

}  // namespace quirlweg::bench
