#include "palette.h"

namespace quirlweg {

QColor PaletteColor(int index) {
  return QColor::fromRgb(PaletteRgb(index));
}

}  // namespace quirlweg
