#pragma once

#include <QString>

class QWidget;

namespace quirlweg {

// Asks where to save, proposing `proposed`. A name typed without an extension gets `suffix`,
// so that the file opens with the program it is meant for. Empty when the user cancels.
QString AskWhereToSave(QWidget* parent, const QString& title, const QString& proposed,
                       const QString& filter, const QString& suffix);

// Tells that something went wrong, in a warning box over `parent`. The text is shown as it is:
// file names and what files hold may look like markup, which must never be rendered.
void WarnPlainly(QWidget* parent, const QString& title, const QString& text);

// Tells that a file could not be saved, over `parent`'s window and with its title: `what` holds
// %1 for the path, in the system's form, and %2 for the reason.
void WarnNotSaved(QWidget* parent, const QString& what, const QString& path, const QString& reason);

}  // namespace quirlweg
