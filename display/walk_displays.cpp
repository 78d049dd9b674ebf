#include "walk_displays.h"

namespace quirlweg {

WalkDisplays::WalkDisplays(const DisplayWidgets& widgets)
    : lattice_(*widgets.lattice, *widgets.walker, *widgets.marker),
      statistics_(widgets.statistics) {
  statistics_.SetProtocolText(statistics_.ProtocolHeader());
}

}  // namespace quirlweg
