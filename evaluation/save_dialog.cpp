#include "evaluation/save_dialog.h"

#include <QFileDialog>

namespace quirlweg {

QString AskWhereToSave(QWidget* parent, const QString& title, const QString& proposed,
                       const QString& filter, const QString& suffix) {
  // Not the static getSaveFileName: only a dialog object takes a default suffix.
  QFileDialog dialog(parent, title, proposed, filter);
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  dialog.setDefaultSuffix(suffix);
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
  return dialog.selectedFiles().front();
}

}  // namespace quirlweg
