#include "window/counted_journeys.h"

#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>

#include "window/simulation.h"

namespace quirlweg {
namespace {

// Often enough to follow a run by eye; the boxes change at every journey.
constexpr int kFollowIntervalMs = 200;

}  // namespace

CountedJourneys::CountedJourneys(Simulation& window)
    : QObject(&window), window_(window), label_(new QLabel(&window)) {
  label_->setObjectName(QStringLiteral("lblGezaehlteReisen"));
  label_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  label_->setToolTip(
      tr("Nach je 1002 Reisen beginnen die Kästchen neu zu zählen; die "
         "Auswertung zählt die ganze Serie."));
  label_->hide();
  poll_.setInterval(kFollowIntervalMs);
  connect(&poll_, &QTimer::timeout, this, &CountedJourneys::Follow);
  poll_.start();
}

QString CountedJourneys::Text() const {
  const auto series = static_cast<std::int64_t>(window_.series().size());
  const std::int64_t counted = window_.walk().state().journeyCount;
  if (counted >= series) return {};
  if (counted == 0) return tr("Reisen ab %1").arg(series + 1);
  return tr("Reisen %1–%2").arg(series - counted + 1).arg(series);
}

// Under the statistics frame, in its font, wherever the layout put it; where the window ends
// below the frame, on the frame's title line at its right, over the line.
void CountedJourneys::Follow() {
  const QString text = Text();
  const QGroupBox& frame = *window_.controls().statisticsFrame;
  if (label_->text() != text) label_->setText(text);
  label_->setVisible(!text.isEmpty() && frame.isVisible());
  if (!label_->isVisible()) return;
  if (label_->font() != frame.font()) label_->setFont(frame.font());
  const QFontMetrics metrics = label_->fontMetrics();
  const int height = metrics.height() + 4;
  QRect place(frame.x(), frame.geometry().bottom() + 2, frame.width(), height);
  const bool below = place.bottom() < window_.height();
  label_->setAutoFillBackground(!below);
  if (!below) {
    const int width = metrics.horizontalAdvance(text) + 12;
    place = QRect(frame.geometry().right() - 8 - width, frame.y(), width, height);
  }
  if (label_->geometry() != place) label_->setGeometry(place);
  label_->raise();
}

}  // namespace quirlweg
