#include "window/counted_journeys.h"

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

// Under the statistics frame, in its font, wherever the layout put it.
void CountedJourneys::Follow() {
  const QString text = Text();
  if (label_->text() != text) label_->setText(text);
  label_->setVisible(!text.isEmpty());
  if (text.isEmpty()) return;
  const QGroupBox& frame = *window_.controls().statisticsFrame;
  if (label_->font() != frame.font()) label_->setFont(frame.font());
  const int height = label_->fontMetrics().height() + 4;
  const QRect place(frame.x(), frame.geometry().bottom() + 2, frame.width(), height);
  if (label_->geometry() != place) label_->setGeometry(place);
}

}  // namespace quirlweg
