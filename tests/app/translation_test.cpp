// Under English every text the windows show is English: none is left as the German source,
// apart from names that read the same in both languages.

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QChartView>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QSet>
#include <QTableWidget>
#include <QTest>
#include <QTranslator>

#include "app/language.h"
#include "evaluation/evaluation.h"
#include "window/simulation.h"

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
    if (auto* choice = qobject_cast<QComboBox*>(widget)) {
      for (int i = 0; i < choice->count(); ++i) texts << choice->itemText(i);
    }
    if (auto* table = qobject_cast<QTableWidget*>(widget)) {
      for (int c = 0; c < table->columnCount(); ++c)
        texts << table->horizontalHeaderItem(c)->text();
      for (int r = 0; r < table->rowCount(); ++r) {
        if (auto* header = table->verticalHeaderItem(r)) texts << header->text();
        for (int c = 0; c < table->columnCount(); ++c) {
          if (auto* item = table->item(r, c)) texts << item->text() << item->toolTip();
        }
      }
    }
    if (auto* view = qobject_cast<QChartView*>(widget)) {
      texts << view->chart()->title();
      for (const QAbstractAxis* axis : view->chart()->axes()) texts << axis->titleText();
      for (const QAbstractSeries* series : view->chart()->series()) texts << series->name();
    }
  }
  QSet<QString> trimmed;
  for (const QString& text : texts) {
    if (!text.trimmed().isEmpty()) trimmed << text.trimmed();
  }
  return trimmed;
}

// The main window's texts and, once its button opened it, the evaluation window's.
QSet<QString> TextsOfBothWindows() {
  Simulation window;
  new Evaluation(window);
  window.show();
  QTest::mouseClick(window.findChild<QWidget*>(QStringLiteral("cmdAuswertung")), Qt::LeftButton);
  QSet<QString> texts;
  for (QWidget* top : QApplication::topLevelWidgets()) {
    if (top->isVisible()) texts += ShownTexts(*top);
  }
  return texts;
}

TEST(Translation, EnglishWindowsLeaveNoGermanText) {
  const QSet<QString> german = TextsOfBothWindows();
  QTranslator* english = InstallTranslation(*qApp, Language::English);
  ASSERT_NE(english, nullptr);
  const QSet<QString> shown = TextsOfBothWindows();
  QCoreApplication::removeTranslator(english);
  delete english;

  const QSet<QString> sameInBoth{"Quirlweg", "Simulation", "Dimension", "Start", "max",
                                 "P(t) =", "<", ">", "1", "2", "3", "0", "%", "-5 ...5", "…",
                                 "Start x", "1000",
                                 // Qt's own, English in both here: the test loads no Qt texts.
                                 "Scroll Left", "Scroll Right"};
  for (const QString& text : shown) {
    if (german.contains(text) && !sameInBoth.contains(text)) {
      ADD_FAILURE() << "still German: " << text.toStdString();
    }
  }
}

}  // namespace
}  // namespace quirlweg
