#include "lattice_geometry.h"

#include <QGuiApplication>
#include <QScreen>

#include "display/twips.h"
#include "ui/layout.h"
#include "ui/placement.h"

namespace quirlweg::bench {

QSize LatticeViewSize() {
  const QScreen* screen = QGuiApplication::primaryScreen();
  const double dpiX = screen->logicalDotsPerInchX();
  const double dpiY = screen->logicalDotsPerInchY();
  const QRect pixels = screen->geometry();
  const Arrangement arrangement =
      ArrangeControls(PixelsToTwips(pixels.width(), dpiX), PixelsToTwips(pixels.height(), dpiY));
  const ControlPlacement* view = arrangement.Find("picAusgabe");
  if (view == nullptr) return {500, 500};
  return PixelRect(view->left, view->top, view->width, view->height, dpiX, dpiY).size();
}

}  // namespace quirlweg::bench
