#pragma once

#include <array>
#include <cstdint>
#include <vector>

namespace quirlweg::web {

// One trace mark in lattice units: a segment, or a dot where from and to are the same point.
struct TraceMark {
  int fromX = 0;
  int fromY = 0;
  int toX = 0;
  int toY = 0;
  int width = 1;  // pen width in device-independent pixels
};

// The traces drawn since the lattice was last drawn. All traces share one colour, so what the
// picture shows of an edge or a dot is the widest pen it was drawn with: one entry each keeps
// the picture however long the walk has run. The entries widened since the page last looked
// are kept apart, so that a frame draws only those onto what it drew before.
class TracePicture {
 public:
  TracePicture();

  void Clear();
  void AddSegment(int fromX, int fromY, int toX, int toY, int width);
  void AddDot(int x, int y, int width);

  // The marks widened since the last call.
  std::vector<TraceMark> TakeFresh();
  // Every mark, for drawing the picture afresh.
  std::vector<TraceMark> All() const;

 private:
  // Unit edges and dots of a lattice of radius up to 50, by kind and lower-left corner.
  enum Kind { kHorizontal = 0, kVertical = 1, kDot = 2 };
  static constexpr int kOffset = 50;
  static constexpr int kSide = 2 * kOffset + 1;
  static constexpr int kCells = 3 * kSide * kSide;

  void Widen(int cell, int width);
  static TraceMark MarkOf(int cell, int width);

  std::vector<std::int32_t> widths_;  // 0: not drawn
  std::vector<bool> fresh_;
  std::vector<int> freshCells_;
  // Whatever lies outside the cells (no walk draws such marks), kept as drawn.
  std::vector<TraceMark> others_;
  std::size_t othersTaken_ = 0;
};

}  // namespace quirlweg::web
