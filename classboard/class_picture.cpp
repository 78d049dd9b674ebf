#include "classboard/class_picture.h"

#include <QLocale>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <cmath>

#include "classroom/class_status.h"

namespace quirlweg {
namespace {

constexpr double kDotRadius = 6;

}  // namespace

ClassPicture::ClassPicture(QWidget* parent) : QWidget(parent) {
  setAccessibleName(tr("Anteil Heimkehr jedes Geräts über seinen Reisen"));
  setMinimumSize(320, 220);
}

void ClassPicture::Show(std::vector<Dot> devices, std::optional<Dot> pool,
                        std::optional<double> exact) {
  devices_ = std::move(devices);
  pool_ = pool;
  exact_ = exact;
  std::int64_t most = pool_ ? static_cast<std::int64_t>(pool_->journeys) : 0;
  for (const Dot& d : devices_) most = std::max<std::int64_t>(most, d.journeys);
  axes_ = classroom::AxesFor(most);
  update();
}

QPointF ClassPicture::Place(const QRectF& area, double journeys, double share) const {
  return {area.left() + axes_.At(journeys) * area.width(), area.bottom() - share * area.height()};
}

void ClassPicture::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  Paint(painter, size());
}

QImage ClassPicture::PaperPicture() const {
  // Laid out small, so that its texts stay readable when the report shrinks it onto the page.
  QImage image(600, 360, QImage::Format_RGB32);
  QPainter painter(&image);
  QFont paper = font();
  paper.setPixelSize(11);
  painter.setFont(paper);
  Paint(painter, image.size());
  return image;
}

void ClassPicture::Paint(QPainter& painter, const QSize& size) const {
  painter.setRenderHint(QPainter::Antialiasing);
  painter.fillRect(QRect(QPoint(0, 0), size), Qt::white);
  const QFontMetricsF metrics(painter.font());
  // Room for the share's numbers on the left, half the widest journey number on the right and
  // two lines of text below.
  const double left = metrics.horizontalAdvance(QStringLiteral("100 %")) + 12;
  const double right = metrics.horizontalAdvance(QLocale().toString(qlonglong{100000})) / 2 + 8;
  const QRectF area(left, metrics.height(), size.width() - left - right,
                    size.height() - 4 * metrics.height());
  painter.setPen(QPen(Qt::black, 1));
  painter.drawRect(area);
  for (const double share : classroom::kShareTicks) {
    const QPointF at = Place(area, 1, share);
    painter.drawText(QRectF(0, at.y() - metrics.height() / 2, area.left() - 6, metrics.height()),
                     Qt::AlignRight | Qt::AlignVCenter,
                     QStringLiteral("%1 %").arg(std::lround(100 * share)));
  }
  for (const double n : axes_.JourneyTicks()) {
    const QPointF at = Place(area, n, 0);
    painter.drawLine(at, at + QPointF(0, 4));
    painter.drawText(QRectF(at.x() - 40, area.bottom() + 4, 80, metrics.height()), Qt::AlignCenter,
                     QLocale().toString(static_cast<qlonglong>(n)));
  }
  painter.drawText(
      QRectF(area.left(), area.bottom() + metrics.height() + 4, area.width(), metrics.height()),
      Qt::AlignCenter, tr("Reisen des Geräts (logarithmisch)"));
  if (exact_) {
    // The band: exact ± two standard errors for every number of journeys along the axis.
    QPainterPath band;
    std::vector<QPointF> lower;
    const auto along = [&area](double at, double share) {
      return QPointF(area.left() + at * area.width(), area.bottom() - share * area.height());
    };
    for (const auto& point : axes_.Band(*exact_)) {
      const QPointF high = along(point.at, point.high);
      band.elementCount() == 0 ? band.moveTo(high) : band.lineTo(high);
      lower.push_back(along(point.at, point.low));
    }
    for (auto it = lower.rbegin(); it != lower.rend(); ++it) band.lineTo(*it);
    band.closeSubpath();
    painter.fillPath(band, QColor(0, 128, 255, 48));
    painter.setPen(QPen(QColor(0, 64, 160), 2));
    painter.drawLine(Place(area, 1, *exact_), Place(area, axes_.mostJourneys, *exact_));
  }
  for (const Dot& d : devices_) {
    if (d.journeys == 0) continue;
    const QPointF at = Place(area, static_cast<double>(d.journeys), d.share);
    painter.setPen(QPen(Qt::black, 1));
    painter.setBrush(QColor(255, 200, 0));
    painter.drawEllipse(at, kDotRadius, kDotRadius);
    // Named only where it strays from the band: thirty names over one another read as none.
    const bool strays = exact_ && (d.share < classroom::BandFor(*exact_, d.journeys).low ||
                                   d.share > classroom::BandFor(*exact_, d.journeys).high);
    if (!d.label.isEmpty() && strays) painter.drawText(at + QPointF(kDotRadius + 2, 4), d.label);
  }
  if (pool_ && pool_->journeys > 0) {
    const QPointF at = Place(area, static_cast<double>(pool_->journeys), pool_->share);
    painter.setPen(QPen(Qt::black, 2));
    painter.setBrush(QColor(200, 0, 0));
    painter.drawRect(QRectF(at.x() - kDotRadius * 1.4, at.y() - kDotRadius * 1.4, kDotRadius * 2.8,
                            kDotRadius * 2.8));
    painter.drawText(at + QPointF(-metrics.horizontalAdvance(pool_->label) - 2 * kDotRadius, -10),
                     pool_->label);
  }
}

}  // namespace quirlweg
