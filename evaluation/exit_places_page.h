#pragma once

#include <QTimer>
#include <QWidget>
#include <cstdint>
#include <optional>

#include "figures/background_job.h"
#include "series/journey_series.h"
#include "sweep/exit_places_view.h"
#include "theory/exit_places.h"
#include "theory/journey_statistics.h"

class QLabel;

namespace quirlweg {

class ExactStatistics;
class ExitPlacesPicture;

// "Austrittsorte": where on the boundary the journeys of the current setting left the lattice,
// cell by cell with 95 % ranges, beside the exact exit places; why a start near a side makes
// that side's count grow faster.
class ExitPlacesPage : public QWidget {
  Q_OBJECT

 public:
  ExitPlacesPage(const JourneySeries& series, const ExactStatistics& exact,
                 QWidget* parent = nullptr);

 protected:
  void showEvent(QShowEvent* event) override;
  void hideEvent(QHideEvent* event) override;

 private:
  void FollowSetting();
  void Refresh();

  const JourneySeries& series_;
  const ExactStatistics& exact_;
  ExitPlacesPicture* picture_ = nullptr;
  QLabel* counted_ = nullptr;
  QLabel* others_ = nullptr;
  QLabel* why_ = nullptr;  // shown while the start is off the origin, where it applies

  std::optional<theory::ExitPlaces> places_;
  std::optional<theory::Setting> placesSetting_;
  std::uint64_t shownRevision_ = 0;
  bool stale_ = true;
  QTimer poll_;
  BackgroundJob<theory::ExitPlaces> job_{this};
};

}  // namespace quirlweg
