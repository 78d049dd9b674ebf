#include "window/trace_style_choice.h"

#include <QAction>
#include <QKeySequence>

#include "display/picture_area.h"
#include "window/simulation.h"

namespace quirlweg {

TraceStyleChoice::TraceStyleChoice(Simulation& window)
    : QObject(&window), window_(window), action_(new QAction(tr("Spuren als Wärmebild"), this)) {
  action_->setObjectName(QStringLiteral("actWaermebild"));
  action_->setCheckable(true);
  action_->setShortcut(QKeySequence(Qt::Key_W));
  // Wherever the focus is in the window; the menu shows the key beside the entry.
  action_->setShortcutContext(Qt::WindowShortcut);
  PictureArea* view = window.controls().latticeView;
  view->addAction(action_);
  view->setContextMenuPolicy(Qt::ActionsContextMenu);
  connect(action_, &QAction::toggled, this, &TraceStyleChoice::Show);
}

void TraceStyleChoice::Show(bool heat) {
  LatticeView& lattice = window_.lattice();
  lattice.SetTraceStyle(heat ? TraceStyle::Heat : TraceStyle::Classic);
  const WalkState& state = window_.walk().state();
  lattice.RedrawTraces(state.hEdgeVisits, state.vEdgeVisits);
}

}  // namespace quirlweg
