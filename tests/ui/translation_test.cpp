// Under English every text the window shows is English: none is left as the German source,
// apart from names that read the same in both languages.

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QSet>
#include <QTranslator>

#include "ui/language.h"
#include "ui/simulation.h"

namespace quirlweg {
namespace {

// Everything a person or a screen reader gets from the window and its controls.
QSet<QString> ShownTexts(QWidget& window) {
  QSet<QString> texts{window.windowTitle()};
  for (QWidget* widget : window.findChildren<QWidget*>()) {
    texts << widget->toolTip() << widget->accessibleName() << widget->accessibleDescription();
    if (auto* label = qobject_cast<QLabel*>(widget)) texts << label->text();
    if (auto* button = qobject_cast<QAbstractButton*>(widget)) texts << button->text();
    if (auto* frame = qobject_cast<QGroupBox*>(widget)) texts << frame->title();
    if (auto* box = qobject_cast<QLineEdit*>(widget)) texts << box->text();
    if (auto* box = qobject_cast<QPlainTextEdit*>(widget)) texts << box->toPlainText();
  }
  QSet<QString> trimmed;
  for (const QString& text : texts) {
    if (!text.trimmed().isEmpty()) trimmed << text.trimmed();
  }
  return trimmed;
}

TEST(Translation, EnglishWindowLeavesNoGermanText) {
  QSet<QString> german;
  {
    Simulation window;
    german = ShownTexts(window);
  }
  QTranslator* english = InstallTranslation(*qApp, Language::English);
  ASSERT_NE(english, nullptr);
  QSet<QString> shown;
  {
    Simulation window;
    shown = ShownTexts(window);
  }
  QCoreApplication::removeTranslator(english);
  delete english;

  const QSet<QString> sameInBoth{"Quirlweg", "Simulation", "Dimension", "Start",  "max",
                                 "P(t) =",   "<",          ">",         "1",      "2",
                                 "3",        "0",          "%",         "-5 ...5"};
  for (const QString& text : shown) {
    if (german.contains(text) && !sameInBoth.contains(text)) {
      ADD_FAILURE() << "still German: " << text.toStdString();
    }
  }
}

}  // namespace
}  // namespace quirlweg
