#pragma once

#include <initializer_list>
#include <string>

class QRect;
class QWidget;

namespace quirlweg::bench {

// How the program's windows fit a screen, as a pupil at the back of the room would judge it.
struct ScreenFit {
  // The smallest pixel height (the font's em) of any text shown by a visible control of the
  // windows measured, table cells and chart labels included; 0 where none shows text.
  double smallestTextPixels = 0;
  std::string smallestTextControl;  // the control showing it, by object name or class
  // The same for figures: texts with more digits than letters, in boxes and table cells.
  double smallestFigurePixels = 0;
  std::string smallestFigureControl;
  double latticeAspect = 0;   // the lattice view's width over its height
  bool insideScreen = false;  // every window measured lies on the screen, frame included
  // A table or list shows a sideways scroll bar, or a tab bar its arrows: something is out of
  // sight until the class scrolls.
  bool scrollsSideways = false;
  // The highest band left empty below a window's lowest visible control, in pixels.
  int emptyBelowPixels = 0;
};

// Measures the top-level windows given on a screen of `screen` pixels; hidden ones are left out.
ScreenFit MeasureScreenFit(const QRect& screen, const QWidget& latticeView,
                           std::initializer_list<const QWidget*> windows);

}  // namespace quirlweg::bench
