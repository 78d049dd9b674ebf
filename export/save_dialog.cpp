#include "export/save_dialog.h"

#include <QDir>
#include <QFileDialog>
#include <QMessageBox>

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

void WarnPlainly(QWidget* parent, const QString& title, const QString& text) {
  QMessageBox box(QMessageBox::Warning, title, text, QMessageBox::Ok, parent);
  box.setTextFormat(Qt::PlainText);
  box.exec();
}

void WarnNotSaved(QWidget* parent, const QString& what, const QString& path,
                  const QString& reason) {
  QWidget* window = parent->window();
  WarnPlainly(window, window->windowTitle(), what.arg(QDir::toNativeSeparators(path), reason));
}

}  // namespace quirlweg
