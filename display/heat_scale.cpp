#include "heat_scale.h"

#include <QFontMetrics>
#include <QLinearGradient>
#include <QLocale>
#include <QPainter>
#include <algorithm>

namespace quirlweg {

QColor HeatColour(double share) {
  return QColor::fromRgb(HeatRgb(share));
}

QImage HeatLegend(const HeatLegendShape& shape, qreal ratio, const QFont& font, QColor ink,
                  QColor back, const QString& caption, int top) {
  QFont text(font);
  text.setPixelSize(std::max(1, shape.textPixels));
  const QFontMetrics metrics(text);
  const int height = metrics.height() + 2;
  const QString low = QStringLiteral("1");
  const bool commaGroups = QLocale::system().groupSeparator() == QLatin1String(",");
  const QString high = QString::fromStdString(HeatCountText(top, commaGroups));
  const int gap = shape.gap;
  const int bar = shape.barWidth;
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
  const int barHeight = shape.barHeight;
  painter.fillRect(QRect(x, (height - barHeight) / 2, bar, barHeight), gradient);
  x += bar + gap;
  write(x, highWidth, high);
  return legend;
}

}  // namespace quirlweg
