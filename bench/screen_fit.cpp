#include "screen_fit.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QChart>
#include <QChartView>
#include <QComboBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLegend>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRect>
#include <QScrollBar>
#include <QTabBar>
#include <QTableWidget>
#include <QToolButton>
#include <QValueAxis>
#include <algorithm>
#include <vector>

#include "display/picture_area.h"

namespace quirlweg::bench {
namespace {

double PixelHeight(const QFont& font, const QWidget& widget) {
  if (font.pixelSize() > 0) return font.pixelSize();
  return font.pointSizeF() * widget.logicalDpiY() / 72.0;
}

// A count, a share, a coordinate or a value rather than words.
bool IsFigure(const QString& text) {
  int digits = 0;
  int letters = 0;
  for (const QChar c : text) {
    digits += c.isDigit() ? 1 : 0;
    letters += c.isLetter() ? 1 : 0;
  }
  return digits > letters;
}

// The fonts of the figures a control shows in boxes or cells.
std::vector<QFont> FigureFonts(const QWidget& w) {
  if (const auto* box = qobject_cast<const QLineEdit*>(&w)) {
    if (IsFigure(box->text())) return {box->font()};
  } else if (const auto* area = qobject_cast<const PictureArea*>(&w)) {
    if (IsFigure(QString::fromStdString(area->ShownText()))) return {area->font()};
  } else if (const auto* table = qobject_cast<const QTableWidget*>(&w)) {
    std::vector<QFont> fonts;
    for (int r = 0; r < table->rowCount(); ++r) {
      if (table->isRowHidden(r)) continue;
      for (int c = 0; c < table->columnCount(); ++c) {
        const QTableWidgetItem* item = table->item(r, c);
        if (item == nullptr || !IsFigure(item->text())) continue;
        fonts.push_back(item->data(Qt::FontRole).isValid() ? item->font() : table->font());
      }
    }
    return fonts;
  }
  return {};
}

// The fonts a control shows its texts in; none where it shows no text.
std::vector<QFont> ShownFonts(const QWidget& w) {
  if (const auto* label = qobject_cast<const QLabel*>(&w)) {
    if (label->text().isEmpty()) return {};
  } else if (const auto* button = qobject_cast<const QAbstractButton*>(&w)) {
    if (button->text().isEmpty()) return {};
  } else if (const auto* box = qobject_cast<const QLineEdit*>(&w)) {
    if (box->text().isEmpty()) return {};
  } else if (const auto* text = qobject_cast<const QPlainTextEdit*>(&w)) {
    if (text->document()->isEmpty()) return {};
  } else if (const auto* group = qobject_cast<const QGroupBox*>(&w)) {
    if (group->title().isEmpty()) return {};
  } else if (const auto* area = qobject_cast<const PictureArea*>(&w)) {
    if (area->ShownText().empty()) return {};
  } else if (const auto* table = qobject_cast<const QTableWidget*>(&w)) {
    std::vector<QFont> fonts;
    for (int r = 0; r < table->rowCount(); ++r) {
      if (table->isRowHidden(r)) continue;
      for (int c = 0; c < table->columnCount(); ++c) {
        const QTableWidgetItem* item = table->item(r, c);
        if (item == nullptr || item->text().isEmpty()) continue;
        // An item without a font of its own is drawn in the table's.
        const bool ownFont = item->data(Qt::FontRole).isValid();
        fonts.push_back(ownFont ? item->font() : table->font());
      }
    }
    return fonts;
  } else if (const auto* view = qobject_cast<const QChartView*>(&w)) {
    const QChart* chart = view->chart();
    std::vector<QFont> fonts;
    if (!chart->title().isEmpty()) fonts.push_back(chart->titleFont());
    if (chart->legend()->isVisible()) fonts.push_back(chart->legend()->font());
    for (const QAbstractAxis* axis : chart->axes()) {
      if (!axis->isVisible()) continue;
      if (axis->labelsVisible()) fonts.push_back(axis->labelsFont());
      if (!axis->titleText().isEmpty()) fonts.push_back(axis->titleFont());
    }
    return fonts;
  } else if (qobject_cast<const QTabBar*>(&w) == nullptr &&
             qobject_cast<const QHeaderView*>(&w) == nullptr &&
             qobject_cast<const QComboBox*>(&w) == nullptr) {
    return {};
  }
  return {w.font()};
}

bool ScrollsSideways(const QWidget& w) {
  if (const auto* view = qobject_cast<const QAbstractItemView*>(&w))
    return view->horizontalScrollBar()->isVisible();
  // A tab bar too narrow for its tabs shows arrows to scroll them.
  if (const auto* tabs = qobject_cast<const QTabBar*>(&w)) {
    for (const QWidget* arrow : tabs->findChildren<QToolButton*>()) {
      if (arrow->isVisible()) return true;
    }
  }
  return false;
}

QString NameOf(const QWidget& w) {
  return w.objectName().isEmpty() ? QString::fromLatin1(w.metaObject()->className())
                                  : w.objectName();
}

}  // namespace

ScreenFit MeasureScreenFit(const QRect& screen, const QWidget& latticeView,
                           std::initializer_list<const QWidget*> windows) {
  ScreenFit fit;
  fit.insideScreen = true;
  for (const QWidget* window : windows) {
    if (window == nullptr || !window->isVisible()) continue;
    fit.insideScreen = fit.insideScreen && screen.contains(window->frameGeometry());
    int lowest = 0;
    for (const QWidget* child : window->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
      if (child->isVisible() && !child->isWindow())
        lowest = std::max(lowest, child->geometry().bottom() + 1);
    }
    fit.emptyBelowPixels = std::max(fit.emptyBelowPixels, window->height() - lowest);
    for (const QWidget* w : window->findChildren<QWidget*>()) {
      if (!w->isVisible() || w->window() != window) continue;
      fit.scrollsSideways = fit.scrollsSideways || ScrollsSideways(*w);
      for (const QFont& font : ShownFonts(*w)) {
        const double pixels = PixelHeight(font, *w);
        if (fit.smallestTextPixels == 0 || pixels < fit.smallestTextPixels) {
          fit.smallestTextPixels = pixels;
          fit.smallestTextControl = NameOf(*w).toStdString();
        }
      }
      for (const QFont& font : FigureFonts(*w)) {
        const double pixels = PixelHeight(font, *w);
        if (fit.smallestFigurePixels == 0 || pixels < fit.smallestFigurePixels) {
          fit.smallestFigurePixels = pixels;
          fit.smallestFigureControl = NameOf(*w).toStdString();
        }
      }
    }
  }
  if (latticeView.height() > 0)
    fit.latticeAspect = static_cast<double>(latticeView.width()) / latticeView.height();
  return fit;
}

}  // namespace quirlweg::bench
