#pragma once

#include <QRect>

#include "layout/layout.h"
#include "layout/twips.h"

class QWidget;

namespace quirlweg {
struct WindowControls;
}  // namespace quirlweg

namespace quirlweg {

// A rectangle in twips as whole pixels; both edges are rounded, so that neighbouring controls
// keep their gaps.
QRect PixelRect(double left, double top, double width, double height, double dpiX, double dpiY);

// Puts a control where the layout places it, with the font size the layout gives it.
void PlaceControl(QWidget& control, const ControlPlacement& placement, double dpiX, double dpiY);

// Puts a separator line between its two end points.
void PlaceLine(QWidget& line, const LinePlacement& placement, double dpiX, double dpiY);

// The order in which Tab walks through the controls.
void SetTabOrder(const WindowControls& controls, QWidget& window);

// The part of `area` (screen pixels, the window manager's frame included) inside the frame of
// the top-level `window`; the frame is known once the window has been shown with it.
QRect InsideFrame(const QWidget& window, const QRect& area);

}  // namespace quirlweg
