#include "evaluation/start_map_page.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QVBoxLayout>
#include <array>

#include "evaluation/start_map_picture.h"
#include "figures/exact_statistics.h"
#include "figures/number_texts.h"

namespace quirlweg {
namespace {

using theory::JourneyEnding;

constexpr std::array kTargets{JourneyEnding::kHome,   JourneyEnding::kTop,  JourneyEnding::kRight,
                              JourneyEnding::kBottom, JourneyEnding::kLeft, JourneyEnding::kZFace};

QString TargetName(JourneyEnding target) {
  switch (target) {
    case JourneyEnding::kHome:
      return StartMapPage::tr("zu Hause");
    case JourneyEnding::kTop:
      return StartMapPage::tr("oben");
    case JourneyEnding::kRight:
      return StartMapPage::tr("rechts");
    case JourneyEnding::kBottom:
      return StartMapPage::tr("unten");
    case JourneyEnding::kLeft:
      return StartMapPage::tr("links");
    case JourneyEnding::kZFace:
      return StartMapPage::tr("z-Flächen");
  }
  return {};
}

// Whether the map of `a` serves `b` too: the start is not part of it.
bool SameMap(const theory::Setting& a, const theory::Setting& b) {
  return a.dimension == b.dimension && a.radius == b.radius && a.homeAbsorbs == b.homeAbsorbs &&
         (a.dimension != 1 || a.rightProbability == b.rightProbability);
}

}  // namespace

StartMapPage::StartMapPage(const ExactStatistics& exact, QWidget* parent)
    : QWidget(parent), exact_(exact) {
  quantityChooser_ = new QComboBox(this);
  quantityChooser_->setObjectName(QStringLiteral("cboKarteWert"));
  quantityChooser_->addItem(tr("Anteil"));
  quantityChooser_->addItem(tr("mittlere Weglänge"));
  quantityChooser_->setAccessibleName(tr("Was die Farbe zeigt"));
  auto* quantityLabel = new QLabel(tr("Farbe &zeigt:"), this);
  quantityLabel->setBuddy(quantityChooser_);

  targetChooser_ = new QComboBox(this);
  targetChooser_->setObjectName(QStringLiteral("cboKarteZiel"));
  for (JourneyEnding target : kTargets) {
    targetChooser_->addItem(TargetName(target), static_cast<int>(target));
  }
  targetChooser_->setAccessibleName(tr("Wo die Reise endet"));
  targetChooser_->setToolTip(
      tr("Mit absorbierendem Heimkreis zählt die Ankunft zu Hause, sonst eine Randseite"));
  auto* targetLabel = new QLabel(tr("Anteil &für:"), this);
  targetLabel->setBuddy(targetChooser_);

  picture_ = new StartMapPicture(this);
  picture_->setObjectName(QStringLiteral("picStartkarte"));
  picture_->setAccessibleName(tr("Karte der Startpunkte"));
  pointerNote_ = new QLabel(this);
  pointerNote_->setObjectName(QStringLiteral("lblStartwert"));
  pointerNote_->setWordWrap(true);
  status_ = new QLabel(this);
  status_->setWordWrap(true);

  // Their width does not follow their longest entry, for a narrow window.
  for (QComboBox* chooser : {quantityChooser_, targetChooser_}) {
    chooser->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    chooser->setMinimumContentsLength(10);
  }
  auto* choices = new QGridLayout;
  choices->addWidget(quantityLabel, 0, 0);
  choices->addWidget(quantityChooser_, 0, 1);
  choices->addWidget(targetLabel, 1, 0);
  choices->addWidget(targetChooser_, 1, 1);
  choices->setColumnStretch(2, 1);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(choices);
  layout->addWidget(picture_, 1);
  layout->addWidget(pointerNote_);
  layout->addWidget(status_);

  connect(&exact_, &ExactStatistics::Changed, this, [this] { FollowSetting(); });
  connect(quantityChooser_, &QComboBox::currentIndexChanged, this, [this] { ShowMap(); });
  connect(targetChooser_, &QComboBox::currentIndexChanged, this, [this] { FollowSetting(); });
  connect(picture_, &StartMapPicture::Pointed, this, [this](QPoint p) { ShowPointed(p); });
  connect(picture_, &StartMapPicture::PointerLeft, this, [this] { ShowPointed(std::nullopt); });
  ShowPointed(std::nullopt);
}

void StartMapPage::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  FollowSetting();
}

JourneyEnding StartMapPage::Target() const {
  if (exact_.setting().homeAbsorbs) return JourneyEnding::kHome;
  return static_cast<JourneyEnding>(targetChooser_->currentData().toInt());
}

bool StartMapPage::ShowsChance() const {
  return quantityChooser_->currentIndex() == 0;
}

void StartMapPage::FollowSetting() {
  const theory::Setting& setting = exact_.setting();
  // The sides the walk can reach: home only where it absorbs, z only in the box, top and
  // bottom not from a line.
  targetChooser_->setEnabled(!setting.homeAbsorbs);
  if (setting.homeAbsorbs) {
    targetChooser_->setCurrentIndex(0);
  } else if (const JourneyEnding t = Target();
             t == JourneyEnding::kHome || (t == JourneyEnding::kZFace && setting.dimension != 3) ||
             ((t == JourneyEnding::kTop || t == JourneyEnding::kBottom) &&
              setting.dimension == 1)) {
    targetChooser_->setCurrentIndex(2);  // the right side, which every dimension reaches
  }
  picture_->MarkStart(QPoint(setting.startX, setting.startY));
  if (!isVisible()) return;
  const JourneyEnding target = Target();
  if (mapSetting_ && SameMap(*mapSetting_, setting) && mapTarget_ == target) return;
  mapSetting_ = setting;
  mapTarget_ = target;
  map_.reset();
  ShowMap();
  status_->setText(tr("Die Karte wird berechnet …"));
  job_.Start(
      [setting, target](const theory::Cancellation& cancel) {
        return theory::ComputeStartMap(setting, target, cancel);
      },
      [this](theory::StartMap map) {
        map_ = std::move(map);
        status_->clear();
        ShowMap();
      });
}

void StartMapPage::ShowMap() {
  if (!map_) {
    picture_->ShowValues(exact_.setting().radius, 1, {}, nullptr);
    return;
  }
  const bool chance = ShowsChance();
  picture_->ShowValues(map_->radius, map_->rows(), chance ? map_->chance : map_->meanLength,
                       chance ? &PercentText : &LengthText);
  picture_->setToolTip(chance ? tr("Farbe: Anteil „%1“ je Startpunkt").arg(TargetName(mapTarget_))
                              : tr("Farbe: mittlere Weglänge je Startpunkt"));
}

void StartMapPage::ShowPointed(std::optional<QPoint> start) {
  if (!start || !map_) {
    pointerNote_->setText(tr("Zeigen Sie auf einen Startpunkt, um seine Werte zu lesen."));
    return;
  }
  const std::size_t i = map_->IndexOf(start->x(), start->y());
  // y as the main window shows it: upward.
  pointerNote_->setText(tr("Start x = %1, y = %2: %3 %4, mittlere Weglänge %5")
                            .arg(start->x())
                            .arg(-start->y())
                            .arg(TargetName(mapTarget_), PercentText(map_->chance[i]),
                                 LengthText(map_->meanLength[i])));
}

}  // namespace quirlweg
