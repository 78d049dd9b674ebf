#include "evaluation/exit_places_page.h"

#include <QLabel>
#include <QVBoxLayout>

#include "evaluation/exit_places_picture.h"
#include "figures/exact_statistics.h"
#include "figures/number_texts.h"
#include "series/series_summary.h"

namespace quirlweg {
namespace {

constexpr auto kPollInterval = std::chrono::milliseconds(250);

QString ShareWithRange(std::int64_t count, std::int64_t total, std::optional<double> exact) {
  QString text = ExitPlacesPage::tr("gemessen –");
  if (total > 0) {
    const auto range = WilsonInterval(static_cast<int>(count), static_cast<int>(total));
    text = ExitPlacesPage::tr("gemessen %1 (%2 – %3)")
               .arg(PercentText(static_cast<double>(count) / total), PercentText(range->first),
                    PercentText(range->second));
  }
  return ExitPlacesPage::tr("%1, exakt %2")
      .arg(text, exact ? PercentText(*exact) : QStringLiteral("…"));
}

}  // namespace

ExitPlacesPage::ExitPlacesPage(const JourneySeries& series, const ExactStatistics& exact,
                               QWidget* parent)
    : QWidget(parent), series_(series), exact_(exact) {
  picture_ = new ExitPlacesPicture(this);
  picture_->setObjectName(QStringLiteral("picAustrittsorte"));
  picture_->setAccessibleName(tr("Austrittsorte am Rand"));
  auto* legend = new QLabel(
      tr("Das Quadrat ist die Ebene z = 0 mit Start (Punkt) und Ursprung (Ring). Je Randzelle: "
         "blauer Balken gemessener Anteil der Reisen, die dort enden, orange Strich sein "
         "95-%-Bereich, schwarze Marke der exakte Anteil."),
      this);
  legend->setWordWrap(true);
  counted_ = new QLabel(this);
  counted_->setObjectName(QStringLiteral("lblAustritte"));
  counted_->setWordWrap(true);
  others_ = new QLabel(this);
  others_->setWordWrap(true);
  why_ = new QLabel(
      tr("Warum zählt die nahe Seite schneller? Rückt der Start an eine Seite heran, erreichen "
         "viele Reisen sie nach wenigen Schritten, bevor der Wanderer sich weit entfernt: Die "
         "Zellen dicht vor dem Start bekommen die meisten Austritte, und die anderen Seiten "
         "erreicht nur, wer dieser Seite lange ausweicht. Dazu sind diese Reisen kurz, so dass "
         "in derselben Zeit mehr Reisen enden. Beides lässt das Kästchen dieser Seite schneller "
         "wachsen als die der anderen."),
      this);
  why_->setObjectName(QStringLiteral("lblWarumNah"));
  why_->setWordWrap(true);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(picture_, 1);
  layout->addWidget(legend);
  layout->addWidget(counted_);
  layout->addWidget(others_);
  layout->addWidget(why_);

  poll_.setInterval(kPollInterval);
  connect(&poll_, &QTimer::timeout, this, [this] {
    if (stale_ || series_.Revision() != shownRevision_) Refresh();
  });
  connect(&exact_, &ExactStatistics::Changed, this, [this] { FollowSetting(); });
}

void ExitPlacesPage::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  FollowSetting();
  poll_.start();
}

void ExitPlacesPage::hideEvent(QHideEvent* event) {
  QWidget::hideEvent(event);
  poll_.stop();
}

void ExitPlacesPage::FollowSetting() {
  stale_ = true;
  if (!isVisible()) return;
  const theory::Setting setting = exact_.setting();
  if (!placesSetting_ || !SameWalk(*placesSetting_, setting)) {
    placesSetting_ = setting;
    places_.reset();
    job_.Start(
        [setting](const theory::Cancellation& cancel) {
          return theory::ComputeExitPlaces(setting, cancel);
        },
        [this](theory::ExitPlaces places) {
          places_ = std::move(places);
          Refresh();
        });
  }
  Refresh();
}

void ExitPlacesPage::Refresh() {
  stale_ = false;
  shownRevision_ = series_.Revision();
  const theory::Setting setting = exact_.setting();
  const ExitTally tally = TallyExits(series_, setting);
  picture_->Show(ViewOf(tally, places_, setting));
  const auto total = static_cast<std::int64_t>(series_.size());
  QString counted = tally.journeys() == 1
                        ? tr("1 Reise der aktuellen Einstellung")
                        : tr("%1 Reisen der aktuellen Einstellung").arg(tally.journeys());
  if (tally.journeys() < total) {
    counted += tr(" (von %1 der Serie; die anderen liefen unter anderen Einstellungen)").arg(total);
  }
  counted_->setText(counted);
  QStringList lines;
  if (setting.dimension == 3) {
    lines << tr("z-Flächen: %1")
                 .arg(ShareWithRange(tally.zFaces(), tally.journeys(),
                                     places_ ? std::optional(places_->zFaces) : std::nullopt));
  }
  if (setting.homeAbsorbs) {
    lines << tr("zu Hause: %1")
                 .arg(ShareWithRange(tally.home(), tally.journeys(),
                                     places_ ? std::optional(places_->home) : std::nullopt));
  }
  others_->setText(lines.join(QLatin1Char('\n')));
  others_->setVisible(!lines.isEmpty());
  why_->setVisible(setting.startX != 0 || setting.startY != 0);
}

}  // namespace quirlweg
