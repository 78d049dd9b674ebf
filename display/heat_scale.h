#pragma once

#include <QColor>
#include <QFont>
#include <QImage>
#include <QString>

#include "picture/heat_colours.h"

namespace quirlweg {

// The heat scale's colour at a share in [0, 1] (see picture/heat_colours.h).
QColor HeatColour(double share);

// The legend: `caption`, then a colour bar from 1 to `top` with both counts, in the sizes of
// `shape` in device-independent pixels, drawn at `ratio` image pixels per such pixel.
QImage HeatLegend(const HeatLegendShape& shape, qreal ratio, const QFont& font, QColor ink,
                  QColor back, const QString& caption, int top);

}  // namespace quirlweg
