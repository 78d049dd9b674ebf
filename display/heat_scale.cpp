#include "heat_scale.h"

#include <QFontMetrics>
#include <QLinearGradient>
#include <QLocale>
#include <QPainter>
#include <algorithm>

namespace quirlweg {

namespace {

// Thousands set apart as on the board: 50 000, or 50,000 where the user's numbers group with a
// comma (English); never with a point, which reads as a decimal mark beside German shares.
QString CountText(int count) {
  const QChar group = QLocale::system().groupSeparator() == QLatin1String(",") ? QLatin1Char(',')
                                                                               : QLatin1Char(' ');
  QString digits = QString::number(count);
  for (auto at = digits.size() - 3; at > 0; at -= 3) digits.insert(at, group);
  return digits;
}

}  // namespace

QColor HeatColour(double share) {
  return QColor::fromRgb(HeatRgb(share));
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
  for (std::size_t i = 0; i < kHeatScale.size(); ++i) {
    gradient.setColorAt(static_cast<double>(i) / (kHeatScale.size() - 1),
                        QColor::fromRgb(kHeatScale[i]));
  }
  const int barHeight = std::max(1, textPixels * 2 / 3);
  painter.fillRect(QRect(x, (height - barHeight) / 2, bar, barHeight), gradient);
  x += bar + gap;
  write(x, highWidth, high);
  return legend;
}

}  // namespace quirlweg
