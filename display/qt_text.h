#pragma once

#include <QLineEdit>
#include <QString>
#include <string_view>

namespace quirlweg {

// The engine's UTF-8 texts as Qt strings.
inline QString ToQString(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// Sets a box's text and shows it from its first character, as a classic text box does: a
// line edit would otherwise scroll a text wider than itself to its end.
inline void SetTextFromStart(QLineEdit& box, const QString& text) {
  box.setText(text);
  box.setCursorPosition(0);
}

}  // namespace quirlweg
