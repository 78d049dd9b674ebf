#include "lattice_geometry.h"

#include <QGuiApplication>
#include <QScreen>
#include <QtMath>

#include "ui/layout.h"

namespace quirlweg::bench {

namespace {

// One edge of a control in pixels, rounded as the window rounds it.
int EdgePixels(double twips, double dotsPerInch) {
  return qRound(twips * dotsPerInch / kTwipsPerInch);
}

}  // namespace

QSize LatticeViewSize() {
  const QScreen* screen = QGuiApplication::primaryScreen();
  const double dpiX = screen->logicalDotsPerInchX();
  const double dpiY = screen->logicalDotsPerInchY();
  const QRect pixels = screen->geometry();
  const Arrangement arrangement =
      ArrangeControls(PixelsToTwips(pixels.width(), dpiX), PixelsToTwips(pixels.height(), dpiY));
  const ControlPlacement* view = arrangement.Find("picAusgabe");
  if (view == nullptr) return {500, 500};
  return {EdgePixels(view->left + view->width, dpiX) - EdgePixels(view->left, dpiX),
          EdgePixels(view->top + view->height, dpiY) - EdgePixels(view->top, dpiY)};
}

}  // namespace quirlweg::bench
