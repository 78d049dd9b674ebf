#include "walk_displays.h"

#include "engine/protocol.h"

namespace quirlweg {

WalkDisplays::WalkDisplays(const DisplayWidgets& widgets)
    : lattice_(*widgets.lattice, *widgets.walker, *widgets.marker),
      statistics_(widgets.statistics) {
  statistics_.SetProtocolText(kProtocolHeader);
}

}  // namespace quirlweg
