#include "window/experiment_actions.h"

#include <QAction>
#include <QKeySequence>

#include "display/picture_area.h"
#include "window/simulation.h"

namespace quirlweg {

ExperimentActions::ExperimentActions(Simulation& window)
    : QObject(&window),
      save_(new QAction(tr("Versuch speichern …"), this)),
      open_(new QAction(tr("Versuch öffnen …"), this)),
      guide_(new QAction(tr("Anleitung …"), this)) {
  save_->setObjectName(QStringLiteral("actVersuchSpeichern"));
  save_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
  open_->setObjectName(QStringLiteral("actVersuchOeffnen"));
  open_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_O));
  guide_->setObjectName(QStringLiteral("actAnleitung"));
  guide_->setShortcut(QKeySequence(Qt::Key_F1));
  guide_->setEnabled(false);
  PictureArea* view = window.controls().latticeView;
  view->setContextMenuPolicy(Qt::ActionsContextMenu);
  auto* separator = new QAction(this);
  separator->setSeparator(true);
  view->addAction(separator);
  for (QAction* action : {save_, open_, guide_}) {
    // Wherever the focus is in the window; the menu shows the key beside the entry.
    action->setShortcutContext(Qt::WindowShortcut);
    view->addAction(action);
  }
}

void ExperimentActions::AddTo(QWidget& other) const {
  other.addAction(save_);
  other.addAction(open_);
  other.addAction(guide_);
}

}  // namespace quirlweg
