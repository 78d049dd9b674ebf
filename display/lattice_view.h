#pragma once

#include "engine/display_sink.h"

namespace quirlweg {

class PictureArea;
class ImageControl;
class ShapeControl;

// The lattice view: the lattice, the traces, the walker picture and the end marker, all in
// lattice units (y downward). The walker and the marker must be children of the area.
class LatticeView {
 public:
  LatticeView(PictureArea& area, ImageControl& walker, ShapeControl& marker);

  // Scales the area to the lattice, wipes it, centres the walker on the start point and draws
  // the boundary square, the lattice points and, when asked, the home circle.
  void DrawLattice(const LatticeDrawing& lattice);
  void ClearTraces(const LatticeDrawing& lattice);
  // One trace segment in the area's foreground colour; `width` stays the area's pen width.
  void DrawTraceSegment(int fromX, int fromY, int toX, int toY, int width);
  // A dot in the area's current pen width and foreground colour.
  void PlotPoint(int x, int y);

  void SetWalkerVisible(bool visible);
  void PlaceWalker(double left, double top);
  void SizeWalker(double size);
  void WalkerToFront();
  void HideEndMarker();
  void ShowEndMarker(double left, double top, double width, double height);

  // Pen width of the lattice points for a lattice radius: 4 below 5, 3 below 15, 2 below 25,
  // else 1.
  static int PointWidthFor(int radius);

 private:
  PictureArea& area_;
  ImageControl& walker_;
  ShapeControl& marker_;
  double walkerLeft_ = -0.3;
  double walkerTop_ = -0.3;
  double walkerSize_ = 0.6;
};

}  // namespace quirlweg
