#include "heat_scale.h"

#include <QFontMetrics>
#include <QLinearGradient>
#include <QPainter>
#include <algorithm>
#include <array>
#include <cmath>

namespace quirlweg {

namespace {

// The viridis scale from its dark end to 0.8 of the way: evenly bright steps that read alike
// with every common colour-vision deficiency. Its light yellow end is left out, since it would
// vanish on the view's light grey and look like the yellow boundary.
constexpr std::array<std::array<int, 3>, 9> kScale{{{68, 1, 84},
                                                    {72, 36, 117},
                                                    {65, 68, 135},
                                                    {53, 95, 141},
                                                    {42, 120, 142},
                                                    {33, 145, 140},
                                                    {34, 168, 132},
                                                    {68, 191, 112},
                                                    {122, 209, 81}}};

constexpr int kMostPen = 10;

QColor ScaleEntry(std::size_t i) {
  return {kScale[i][0], kScale[i][1], kScale[i][2]};
}

// Thousands set apart by a space, as on the board: 50 000.
QString CountText(int count) {
  QString digits = QString::number(count);
  for (auto at = digits.size() - 3; at > 0; at -= 3) digits.insert(at, QLatin1Char(' '));
  return digits;
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

QColor HeatColour(double share) {
  const double position = std::clamp(share, 0.0, 1.0) * (kScale.size() - 1);
  const auto low = std::min(static_cast<std::size_t>(position), kScale.size() - 2);
  const double part = position - static_cast<double>(low);
  const auto mix = [&](std::size_t channel) {
    return static_cast<int>(std::lround(kScale[low][channel] +
                                        part * (kScale[low + 1][channel] - kScale[low][channel])));
  };
  return {mix(0), mix(1), mix(2)};
}

int HeatPenWidthFor(double spacing) {
  if (!(spacing > 0)) return 1;
  return std::clamp(static_cast<int>(spacing / 3), 1, kMostPen);
}

HeatScale::HeatScale(int widestPen, int top)
    : widestPen_(std::clamp(widestPen, 1, kMostPen)),
      top_(std::max(top, kHeatLeastTop)),
      colours_(static_cast<std::size_t>(top_) + 1),
      widths_(static_cast<std::size_t>(top_) + 1) {
  for (int count = 0; count <= top_; ++count) {
    const double share = HeatShare(count, top_);
    const auto i = static_cast<std::size_t>(count);
    colours_[i] = HeatColour(share).rgb();
    widths_[i] = static_cast<std::uint8_t>(1 + std::lround(share * (widestPen_ - 1)));
  }
}

std::size_t HeatScale::Index(int count) const {
  return static_cast<std::size_t>(std::clamp(count, 0, top_));
}

QImage HeatLegend(int textPixels, qreal ratio, const QFont& font, QColor ink, QColor back,
                  const QString& caption, int top) {
  QFont text(font);
  text.setPixelSize(std::max(1, textPixels));
  const QFontMetrics metrics(text);
  const int height = metrics.height() + 2;
  const QString low = QStringLiteral("1");
  const QString high = CountText(top);
  const int gap = std::max(2, textPixels / 2);
  const int bar = 8 * textPixels;
  const int captionWidth = metrics.horizontalAdvance(caption);
  const int lowWidth = metrics.horizontalAdvance(low);
  const int highWidth = metrics.horizontalAdvance(high);
  const int width = captionWidth + gap + lowWidth + gap + bar + gap + highWidth;

  QImage legend((QSizeF(width, height) * ratio).toSize(), QImage::Format_RGB32);
  legend.setDevicePixelRatio(ratio);
  legend.fill(back);
  QPainter painter(&legend);
  painter.setFont(text);
  painter.setPen(ink);
  const auto write = [&](int left, int textWidth, const QString& words) {
    painter.drawText(QRect(left, 0, textWidth, height), Qt::AlignLeft | Qt::AlignVCenter, words);
  };
  int x = 0;
  write(x, captionWidth, caption);
  x += captionWidth + gap;
  write(x, lowWidth, low);
  x += lowWidth + gap;
  // The same straight-line mixing of neighbouring entries as HeatColour.
  QLinearGradient gradient(x, 0, x + bar, 0);
  for (std::size_t i = 0; i < kScale.size(); ++i) {
    gradient.setColorAt(static_cast<double>(i) / (kScale.size() - 1), ScaleEntry(i));
  }
  const int barHeight = std::max(1, textPixels * 2 / 3);
  painter.fillRect(QRect(x, (height - barHeight) / 2, bar, barHeight), gradient);
  x += bar + gap;
  write(x, highWidth, high);
  return legend;
}

}  // namespace quirlweg
