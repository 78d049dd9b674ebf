#pragma once

#include <QWidget>
#include <optional>

#include "figures/background_job.h"
#include "theory/journey_statistics.h"
#include "theory/start_map.h"

class QComboBox;
class QLabel;

namespace quirlweg {

class ExactStatistics;
class StartMapPicture;

// "Startpunkte": for the current setting, the exact chance to end at home (or on a chosen side
// when home does not absorb) and the mean length from every start of the plane z = 0, as a
// colour map with the current start marked and the values under the pointer in words. The map
// is computed in the background when the page is shown and the setting changed; moving the
// start only moves the mark.
class StartMapPage : public QWidget {
  Q_OBJECT

 public:
  StartMapPage(const ExactStatistics& exact, QWidget* parent = nullptr);

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  void FollowSetting();
  void ShowMap();
  void ShowPointed(std::optional<QPoint> start);
  theory::JourneyEnding Target() const;
  bool ShowsChance() const;

  const ExactStatistics& exact_;
  QComboBox* quantityChooser_ = nullptr;
  QComboBox* targetChooser_ = nullptr;
  StartMapPicture* picture_ = nullptr;
  QLabel* pointerNote_ = nullptr;
  QLabel* status_ = nullptr;

  std::optional<theory::StartMap> map_;
  // What the map shown or being computed is for: the setting's start aside.
  std::optional<theory::Setting> mapSetting_;
  theory::JourneyEnding mapTarget_ = theory::JourneyEnding::kHome;
  BackgroundJob<theory::StartMap> job_{this};
};

}  // namespace quirlweg
