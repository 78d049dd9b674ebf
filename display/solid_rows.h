#pragma once

#include <QPoint>
#include <QRgb>
#include <algorithm>
#include <cstddef>
#include <vector>

namespace quirlweg {

// What is known of an image's rows: in each row one span of pixels that all hold the tracked
// colour. A long walk draws its traces ever wider over what is already covered in the same
// colour; drawing over a known span changes no pixel and can be left out. Any other drawing
// must make the rows forget what it may have changed.
class SolidRows {
 public:
  // Nothing known, for an image `rows` high.
  void Reset(int rows);
  void Forget();
  // Drawing in `color` follows: rows known in another colour are forgotten.
  void Track(QRgb color) {
    if (color == color_) return;
    Forget();
    color_ = color;
  }

  // Every row from y0 to y1 holds the tracked colour from x0 to x1 (rows within the image).
  bool Covers(int y0, int y1, int x0, int x1);
  int Left(int y) const { return left_[Index(y)]; }
  int Right(int y) const { return right_[Index(y)]; }

  // Row y now holds the tracked colour from x0 to x1. A span that meets the known one joins
  // it; otherwise the wider of the two is kept. Settle the rows once all are added.
  void Add(int y, int x0, int x1);
  void Settle(int y0, int y1);

  // The round pen of `width` went from `from` to `to` in the tracked colour, all of it. A dot
  // of that pen on either end (the step's point after its segment) lies wholly inside it.
  void NoteStroke(QPoint from, QPoint to, int width) { stroke_ = Stroke{from, to, width}; }
  bool DotInsideLastStroke(QPoint at, int width) const {
    return known_ && stroke_.width == width && (at == stroke_.from || at == stroke_.to);
  }

 private:
  // Blocks of rows keep the span all their rows share, so that a tall drawing is checked a
  // block at a time; a block whose rows changed works it out again when they are settled.
  static constexpr int kBlockRows = 16;
  static constexpr int kNone = 1 << 30;  // left of an empty span, beyond any right
  static std::size_t Index(int y) { return static_cast<std::size_t>(y); }
  // Every span from first to last reaches from x0 to x1.
  static bool SpansCover(const std::vector<int>& left, const std::vector<int>& right, int first,
                         int last, int x0, int x1);
  void RefreshBlock(std::size_t block);

  std::vector<int> left_;
  std::vector<int> right_;
  std::vector<int> blockLeft_;
  std::vector<int> blockRight_;
  std::vector<char> blockStale_;
  struct Stroke {
    QPoint from;
    QPoint to;
    int width = 0;  // none
  };
  Stroke stroke_;
  // The rows known, so that forgetting costs what was drawn rather than the image's height.
  int firstKnown_ = kNone;
  int lastKnown_ = -1;
  QRgb color_ = 0;  // no pixel of an opaque image has this value
  bool known_ = false;
};

}  // namespace quirlweg
