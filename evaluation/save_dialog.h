#pragma once

#include <QString>

class QWidget;

namespace quirlweg {

// Asks where to save, proposing `proposed`. A name typed without an extension gets `suffix`,
// so that the file opens with the program it is meant for. Empty when the user cancels.
QString AskWhereToSave(QWidget* parent, const QString& title, const QString& proposed,
                       const QString& filter, const QString& suffix);

}  // namespace quirlweg
