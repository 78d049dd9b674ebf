#include "trace_picture.h"

#include <algorithm>
#include <cstdlib>

namespace quirlweg::web {

namespace {

bool InRange(int coordinate, int offset) {
  return coordinate >= -offset && coordinate <= offset;
}

}  // namespace

TracePicture::TracePicture() : widths_(kCells, 0), fresh_(kCells, false) {}

void TracePicture::Clear() {
  std::fill(widths_.begin(), widths_.end(), 0);
  std::fill(fresh_.begin(), fresh_.end(), false);
  freshCells_.clear();
  others_.clear();
  othersTaken_ = 0;
}

void TracePicture::AddSegment(int fromX, int fromY, int toX, int toY, int width) {
  const int x = std::min(fromX, toX);
  const int y = std::min(fromY, toY);
  const bool horizontal = fromY == toY && std::abs(fromX - toX) == 1;
  const bool vertical = fromX == toX && std::abs(fromY - toY) == 1;
  // The lower corner of a unit edge may be -50 and its upper one 50: both within the cells.
  if ((horizontal || vertical) && InRange(x, kOffset) && InRange(y, kOffset) &&
      InRange(std::max(fromX, toX), kOffset) && InRange(std::max(fromY, toY), kOffset)) {
    const Kind kind = horizontal ? kHorizontal : kVertical;
    Widen((kind * kSide + x + kOffset) * kSide + y + kOffset, width);
    return;
  }
  if (fromX == toX && fromY == toY) {
    AddDot(fromX, fromY, width);
    return;
  }
  others_.push_back({fromX, fromY, toX, toY, width});
}

void TracePicture::AddDot(int x, int y, int width) {
  if (InRange(x, kOffset) && InRange(y, kOffset)) {
    Widen((kDot * kSide + x + kOffset) * kSide + y + kOffset, width);
    return;
  }
  others_.push_back({x, y, x, y, width});
}

void TracePicture::Widen(int cell, int width) {
  const auto index = static_cast<std::size_t>(cell);
  if (width <= widths_[index]) return;
  widths_[index] = width;
  if (!fresh_[index]) {
    fresh_[index] = true;
    freshCells_.push_back(cell);
  }
}

TraceMark TracePicture::MarkOf(int cell, int width) {
  const int kind = cell / (kSide * kSide);
  const int x = cell / kSide % kSide - kOffset;
  const int y = cell % kSide - kOffset;
  const int toX = kind == kHorizontal ? x + 1 : x;
  const int toY = kind == kVertical ? y + 1 : y;
  return {x, y, toX, toY, width};
}

std::vector<TraceMark> TracePicture::TakeFresh() {
  std::vector<TraceMark> marks;
  marks.reserve(freshCells_.size() + others_.size() - othersTaken_);
  for (const int cell : freshCells_) {
    const auto index = static_cast<std::size_t>(cell);
    fresh_[index] = false;
    marks.push_back(MarkOf(cell, widths_[index]));
  }
  freshCells_.clear();
  marks.insert(marks.end(), others_.begin() + static_cast<std::ptrdiff_t>(othersTaken_),
               others_.end());
  othersTaken_ = others_.size();
  return marks;
}

std::vector<TraceMark> TracePicture::All() const {
  std::vector<TraceMark> marks;
  for (int cell = 0; cell < kCells; ++cell) {
    const int width = widths_[static_cast<std::size_t>(cell)];
    if (width > 0) marks.push_back(MarkOf(cell, width));
  }
  marks.insert(marks.end(), others_.begin(), others_.end());
  return marks;
}

}  // namespace quirlweg::web
