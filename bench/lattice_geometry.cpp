#include "lattice_geometry.h"

#include <QGuiApplication>
#include <QScreen>

#include "layout/twips.h"
#include "window/placement.h"

namespace quirlweg::bench {

ScreenLayout PrimaryScreenLayout() {
  const QScreen* screen = QGuiApplication::primaryScreen();
  ScreenLayout layout;
  layout.dpiX = screen->logicalDotsPerInchX();
  layout.dpiY = screen->logicalDotsPerInchY();
  const QRect pixels = screen->geometry();
  layout.arrangement = ArrangeControls(PixelsToTwips(pixels.width(), layout.dpiX),
                                       PixelsToTwips(pixels.height(), layout.dpiY));
  return layout;
}

QSize LatticeViewSize() {
  const ScreenLayout layout = PrimaryScreenLayout();
  const ControlPlacement* view = layout.arrangement.Find("picAusgabe");
  if (view == nullptr) return {500, 500};
  return PixelRect(view->left, view->top, view->width, view->height, layout.dpiX, layout.dpiY)
      .size();
}

}  // namespace quirlweg::bench
