#pragma once

#include <QSize>

namespace quirlweg::bench {

// Raw QPainter speed: one-pixel, axis-parallel lines one lattice unit long per second, drawn
// with one painter kept open on an image of `size` scaled to a lattice of `radius`.
double MeasureLineLimit(QSize size, int radius);

}  // namespace quirlweg::bench
