#include "window/contrast_choice.h"

#include <QAction>

#include "display/lattice_view.h"
#include "display/picture_area.h"
#include "picture/trace_style.h"
#include "window/simulation.h"

namespace quirlweg {

ContrastChoice::ContrastChoice(Simulation& window)
    : QObject(&window), window_(window), action_(new QAction(tr("Hoher Kontrast"), this)) {
  action_->setObjectName(QStringLiteral("actKontrast"));
  action_->setCheckable(true);
  action_->setShortcut(QKeySequence(Qt::Key_K));
  action_->setShortcutContext(Qt::WindowShortcut);
  PictureArea* view = window.controls().latticeView;
  view->addAction(action_);
  view->setContextMenuPolicy(Qt::ActionsContextMenu);
  connect(action_, &QAction::toggled, this, &ContrastChoice::Show);
}

void ContrastChoice::Show(bool high) {
  LatticeView& lattice = window_.lattice();
  lattice.SetColours(high ? kHighContrastColours : ClassicColours());
  const WalkState& state = window_.walk().state();
  lattice.RedrawTraces(state.hEdgeVisits, state.vEdgeVisits);
}

}  // namespace quirlweg
