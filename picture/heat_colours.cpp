#include "heat_colours.h"

#include <algorithm>
#include <cmath>

namespace quirlweg {

namespace {

constexpr int kMostPen = 10;
constexpr int kLegendLeastText = 12;
constexpr double kLegendTextPerHeight = 12.0 / 640;

int Channel(Rgb colour, int shift) {
  return static_cast<int>((colour >> shift) & 0xFF);
}

}  // namespace

int HeatTopFor(int mostVisits) {
  // 2, 5, 10, 20, 50, ... in int: the most visits stay below 2^15.
  for (int decade = 1;; decade *= 10) {
    for (const int step : {1, 2, 5}) {
      const int top = step * decade;
      if (top >= std::max(mostVisits, kHeatLeastTop)) return top;
    }
  }
}

double HeatShare(int count, int top) {
  if (count <= 1) return 0;
  if (count >= top) return 1;
  return std::log(count) / std::log(top);
}

Rgb HeatRgb(double share) {
  const double position = std::clamp(share, 0.0, 1.0) * (kHeatScale.size() - 1);
  const auto low = std::min(static_cast<std::size_t>(position), kHeatScale.size() - 2);
  const double part = position - static_cast<double>(low);
  Rgb mixed = 0;
  for (const int shift : {16, 8, 0}) {
    const int from = Channel(kHeatScale[low], shift);
    const int to = Channel(kHeatScale[low + 1], shift);
    mixed |= static_cast<Rgb>(std::lround(from + part * (to - from))) << shift;
  }
  return mixed;
}

int HeatPenWidthFor(double spacing) {
  if (!(spacing > 0)) return 1;
  return std::clamp(static_cast<int>(spacing / 3), 1, kMostPen);
}

HeatLegendShape HeatLegendShapeFor(double bottomPixels) {
  const int text = std::max(kLegendLeastText,
                            static_cast<int>(std::lround(bottomPixels * kLegendTextPerHeight)));
  return {text, std::max(2, text / 2), 8 * text, std::max(1, text * 2 / 3)};
}

std::string HeatCountText(int count, bool commaGroups) {
  std::string digits = std::to_string(count);
  for (auto at = static_cast<std::ptrdiff_t>(digits.size()) - 3; at > 0; at -= 3) {
    digits.insert(static_cast<std::size_t>(at), 1, commaGroups ? ',' : ' ');
  }
  return digits;
}

HeatScale::HeatScale(int widestPen, int top)
    : widestPen_(std::clamp(widestPen, 1, kMostPen)),
      top_(std::max(top, kHeatLeastTop)),
      colours_(static_cast<std::size_t>(top_) + 1),
      widths_(static_cast<std::size_t>(top_) + 1) {
  for (int count = 0; count <= top_; ++count) {
    const double share = HeatShare(count, top_);
    const auto i = static_cast<std::size_t>(count);
    colours_[i] = HeatRgb(share);
    widths_[i] = static_cast<std::uint8_t>(1 + std::lround(share * (widestPen_ - 1)));
  }
}

std::size_t HeatScale::Index(int count) const {
  return static_cast<std::size_t>(std::clamp(count, 0, top_));
}

}  // namespace quirlweg
