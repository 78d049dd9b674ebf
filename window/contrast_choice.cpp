#include "window/contrast_choice.h"

#include <QAction>

#include "display/lattice_view.h"
#include "picture/trace_style.h"
#include "window/simulation.h"
#include "window/trace_style_choice.h"

namespace quirlweg {

ContrastChoice::ContrastChoice(Simulation& window)
    : QObject(&window),
      window_(window),
      action_(LatticeMenuEntry(window, this, tr("Hoher Kontrast"), QStringLiteral("actKontrast"),
                               Qt::Key_K)) {
  connect(action_, &QAction::toggled, this, &ContrastChoice::Show);
}

void ContrastChoice::Show(bool high) {
  LatticeView& lattice = window_.lattice();
  lattice.SetColours(high ? kHighContrastColours : ClassicColours());
  const WalkState& state = window_.walk().state();
  lattice.RedrawTraces(state.hEdgeVisits, state.vEdgeVisits);
}

}  // namespace quirlweg
