#pragma once

#include <QColor>

#include "picture/trace_style.h"

namespace quirlweg {

// The classic 16-colour palette as Qt colours (see PaletteRgb).
QColor PaletteColor(int index);

}  // namespace quirlweg
