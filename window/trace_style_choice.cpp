#include "window/trace_style_choice.h"

#include <QAction>
#include <QKeySequence>

#include "display/picture_area.h"
#include "window/simulation.h"

namespace quirlweg {

QAction* LatticeMenuEntry(Simulation& window, QObject* owner, const QString& text,
                          const QString& name, Qt::Key key) {
  auto* action = new QAction(text, owner);
  action->setObjectName(name);
  action->setCheckable(true);
  action->setShortcut(QKeySequence(key));
  // Wherever the focus is in the window; the menu shows the key beside the entry.
  action->setShortcutContext(Qt::WindowShortcut);
  PictureArea* view = window.controls().latticeView;
  view->addAction(action);
  view->setContextMenuPolicy(Qt::ActionsContextMenu);
  return action;
}

TraceStyleChoice::TraceStyleChoice(Simulation& window)
    : QObject(&window),
      window_(window),
      action_(LatticeMenuEntry(window, this, tr("Spuren als Wärmebild"),
                               QStringLiteral("actWaermebild"), Qt::Key_W)) {
  connect(action_, &QAction::toggled, this, &TraceStyleChoice::Show);
}

void TraceStyleChoice::Show(bool heat) {
  LatticeView& lattice = window_.lattice();
  lattice.SetTraceStyle(heat ? TraceStyle::Heat : TraceStyle::Classic);
  const WalkState& state = window_.walk().state();
  lattice.RedrawTraces(state.hEdgeVisits, state.vEdgeVisits);
}

}  // namespace quirlweg
