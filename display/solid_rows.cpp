#include "solid_rows.h"

namespace quirlweg {

void SolidRows::Reset(int rows) {
  const auto count = static_cast<std::size_t>(std::max(rows, 0));
  const std::size_t blocks = (count + kBlockRows - 1) / kBlockRows;
  left_.assign(count, kNone);
  right_.assign(count, -1);
  blockLeft_.assign(blocks, kNone);
  blockRight_.assign(blocks, -1);
  blockStale_.assign(blocks, 0);
  stroke_ = Stroke{};
  firstKnown_ = kNone;
  lastKnown_ = -1;
  known_ = false;
}

void SolidRows::Forget() {
  if (!known_) return;
  const auto rows = [&](std::vector<int>& spans, int value) {
    std::fill(spans.begin() + firstKnown_, spans.begin() + lastKnown_ + 1, value);
  };
  rows(left_, kNone);
  rows(right_, -1);
  const auto firstBlock = static_cast<std::ptrdiff_t>(firstKnown_ / kBlockRows);
  const auto endBlock = static_cast<std::ptrdiff_t>(lastKnown_ / kBlockRows) + 1;
  std::fill(blockLeft_.begin() + firstBlock, blockLeft_.begin() + endBlock, kNone);
  std::fill(blockRight_.begin() + firstBlock, blockRight_.begin() + endBlock, -1);
  std::fill(blockStale_.begin() + firstBlock, blockStale_.begin() + endBlock, 0);
  stroke_ = Stroke{};
  firstKnown_ = kNone;
  lastKnown_ = -1;
  known_ = false;
}

bool SolidRows::SpansCover(const std::vector<int>& left, const std::vector<int>& right, int first,
                           int last, int x0, int x1) {
  if (first > last) return true;
  const int* const lefts = left.data() + first;
  const int* const rights = right.data() + first;
  const int count = last - first + 1;
  // No early exit: the plain loop checks several spans per instruction.
  int outside = 0;
  for (int i = 0; i < count; ++i) outside |= (lefts[i] > x0) | (rights[i] < x1);
  return outside == 0;
}

bool SolidRows::Covers(int y0, int y1, int x0, int x1) {
  if (!known_) return false;
  const int firstBlock = (y0 + kBlockRows - 1) / kBlockRows;  // the blocks wholly inside
  const int endBlock = (y1 + 1) / kBlockRows;
  if (firstBlock >= endBlock) return SpansCover(left_, right_, y0, y1, x0, x1);
  return SpansCover(left_, right_, y0, firstBlock * kBlockRows - 1, x0, x1) &&
         SpansCover(left_, right_, endBlock * kBlockRows, y1, x0, x1) &&
         SpansCover(blockLeft_, blockRight_, firstBlock, endBlock - 1, x0, x1);
}

void SolidRows::Settle(int y0, int y1) {
  if (!known_) return;
  for (auto block = Index(y0 / kBlockRows); block <= Index(y1 / kBlockRows); ++block) {
    if (blockStale_[block]) RefreshBlock(block);
  }
}

void SolidRows::RefreshBlock(std::size_t block) {
  const std::size_t first = block * kBlockRows;
  const std::size_t end = std::min(first + kBlockRows, left_.size());
  int left = -kNone;
  int right = kNone;
  for (std::size_t i = first; i < end; ++i) {
    left = std::max(left, left_[i]);
    right = std::min(right, right_[i]);
  }
  blockLeft_[block] = left;
  blockRight_[block] = right;
  blockStale_[block] = 0;
}

void SolidRows::Add(int y, int x0, int x1) {
  int& left = left_[Index(y)];
  int& right = right_[Index(y)];
  if (x0 <= right + 1 && x1 + 1 >= left) {
    left = std::min(left, x0);
    right = std::max(right, x1);
  } else if (x1 - x0 > right - left) {
    left = x0;
    right = x1;
  } else {
    return;
  }
  blockStale_[Index(y / kBlockRows)] = 1;
  firstKnown_ = std::min(firstKnown_, y);
  lastKnown_ = std::max(lastKnown_, y);
  known_ = true;
}

}  // namespace quirlweg
